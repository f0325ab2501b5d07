#pragma once

#include "tests/support/TempFolder.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Control.h"
#include "ui/HeadlessWindowHost.h"
#include "ui/ResourceManager.h"
#include "ui/WindowImplBase.h"

#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace uitest {

inline void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// A skin folder of its own and the headless platform for one test.
class Skin {
public:
    Skin()
    {
        ui::ResourceManager::Instance().Reset();
        ui::ResourceManager::Instance().SetSkinFolder(folder.path());
    }
    ~Skin() { ui::ResourceManager::Instance().Reset(); }
    // Writes a file into the skin folder (sub-folders are made).
    void Add(const std::string& name, const std::string& text)
    {
        const std::string path = folder / name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        WriteFile(path, text);
    }

    TempFolder folder;
    ui::HeadlessPlatform platform;
};

struct Seen {
    std::string type;
    std::string name;
    ui::WParam wParam;
    ui::LParam lParam;
    bool operator==(const Seen&) const = default;
};

// A window over one layout that writes down the notifications and messages
// it gets; tags can be answered by a test's own factory.
class TestWindow : public ui::WindowImplBase {
public:
    explicit TestWindow(std::string layout) : layout_(std::move(layout)) {}
    std::string GetSkinFile() override { return layout_; }
    std::string GetWindowClassName() const override { return "TestWindow"; }
    ui::Control* CreateControl(std::string_view tag) override { return factory ? factory(tag) : nullptr; }
    void Notify(ui::Notification& n) override
    {
        if (n.type == "windowinit" || n.type == "timer")
            return;
        seen.push_back({n.type, n.sender ? n.sender->GetName() : "", n.wParam, n.lParam});
        if (onNotify)
            onNotify(n);
    }
    ui::LResult HandleMessage(ui::MessageId message, ui::WParam wParam, ui::LParam lParam) override
    {
        if (message >= ui::Msg::User || message == ui::Msg::Timer || message == ui::Msg::CopyData) {
            messages.push_back({message, wParam, lParam});
            if (onMessage)
                return onMessage(message, wParam, lParam);
            return 1;
        }
        return WindowImplBase::HandleMessage(message, wParam, lParam);
    }
    void OnFinalMessage(ui::WindowHandle) override { finalMessages++; }

    ui::HeadlessWindowHost& Host() { return *static_cast<ui::HeadlessWindowHost*>(GetHost()); }
    ui::Control* Find(const char* name) { return GetPaintManager().FindControl(name); }
    template <class T>
    T* FindAs(const char* name)
    {
        return dynamic_cast<T*>(Find(name));
    }
    // Creates and shows the window at the given client size.
    ui::WindowHandle Open(int width = 400, int height = 300)
    {
        return Create({}, "test", ui::WindowStyle::Popup | ui::WindowStyle::Visible, 0, 0, 0, width, height);
    }

    struct Message {
        ui::MessageId id;
        ui::WParam wParam;
        ui::LParam lParam;
    };
    std::vector<Seen> seen;
    std::vector<Message> messages;
    int finalMessages = 0;
    std::function<ui::Control*(std::string_view)> factory;
    std::function<void(ui::Notification&)> onNotify;
    std::function<ui::LResult(ui::MessageId, ui::WParam, ui::LParam)> onMessage;

private:
    std::string layout_;
};

} // namespace uitest
