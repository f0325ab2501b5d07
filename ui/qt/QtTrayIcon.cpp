#include "ui/qt/QtTrayIcon.h"

#include "ui/WindowRegistry.h"

#include <QIcon>
#include <QSystemTrayIcon>

namespace ui {

QtTrayIcon::QtTrayIcon() : icon_(std::make_unique<QSystemTrayIcon>())
{
    QObject::connect(icon_.get(), &QSystemTrayIcon::activated, icon_.get(),
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Trigger)
                             PostMessage(receiver_, callback_, id_, static_cast<LParam>(Msg::LeftButtonUp));
                         else if (reason == QSystemTrayIcon::Context)
                             PostMessage(receiver_, callback_, id_, static_cast<LParam>(Msg::RightButtonUp));
                     });
}

QtTrayIcon::~QtTrayIcon() { icon_->hide(); }

bool QtTrayIcon::Show(WindowHandle receiver, uint32_t id, MessageId callback, const std::string& iconPath,
                      const std::string& toolTip)
{
    receiver_ = receiver;
    id_ = id;
    callback_ = callback;
    icon_->setIcon(QIcon(QString::fromStdString(iconPath)));
    icon_->setToolTip(QString::fromStdString(toolTip));
    icon_->show();
    return IsAvailable();
}

void QtTrayIcon::SetToolTip(const std::string& toolTip) { icon_->setToolTip(QString::fromStdString(toolTip)); }

void QtTrayIcon::SetIcon(const std::string& iconPath) { icon_->setIcon(QIcon(QString::fromStdString(iconPath))); }

void QtTrayIcon::Hide() { icon_->hide(); }

bool QtTrayIcon::IsShown() const { return icon_->isVisible(); }

bool QtTrayIcon::IsAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

} // namespace ui
