#pragma once

#include "tests/support/PrivateBus.h"
#include "tests/ui/UiTestSupport.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <chrono>
#include <functional>

namespace apptest {

// A test window that also writes down the power broadcasts it gets.
class BusWindow : public uitest::TestWindow {
public:
    BusWindow() : TestWindow("w.xml") {}
    ui::LResult HandleMessage(ui::MessageId message, ui::WParam wParam, ui::LParam lParam) override
    {
        if (message == ui::Msg::PowerBroadcast)
            power.push_back(wParam);
        return TestWindow::HandleMessage(message, wParam, lParam);
    }
    std::vector<ui::WParam> power;
};

// A private session bus, Qt's core loop for the bus traffic and a headless
// window that receives what the bus delivers.
class BusFixture {
public:
    BusFixture()
    {
        skin.Add("w.xml", R"(<Window size="100,100"><VerticalLayout/></Window>)");
        window.Open();
    }

    QDBusConnection Connect(const char* name)
    {
        return QDBusConnection::connectToBus(QString::fromStdString(bus.address()), name);
    }

    // Runs Qt's events and the toolkit's posted tasks until ready() or 5 s.
    bool PumpUntil(const std::function<bool()>& ready)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!ready() && std::chrono::steady_clock::now() < end) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            skin.platform.Headless().RunPending();
        }
        return ready();
    }

    PrivateBus bus;
    int argc = 1;
    char arg0[8] = "test";
    char* argv[2] = {arg0, nullptr};
    QCoreApplication app{argc, argv};
    uitest::Skin skin;
    BusWindow window;
};

} // namespace apptest
