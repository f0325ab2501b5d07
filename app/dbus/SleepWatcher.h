#pragma once

#include "ui/WindowHandle.h"

#include <QDBusConnection>
#include <QObject>

// Suspend and resume as the main window's power broadcasts: logind's
// PrepareForSleep(true) arrives as the suspend notice (4), PrepareForSleep
// (false) as the resume notice (18). Without a system bus nothing arrives.
class SleepWatcher : public QObject {
    Q_OBJECT
public:
    SleepWatcher(QDBusConnection systemBus, ui::WindowHandle receiver);
    bool IsWatching() const { return watching_; }

private slots:
    void PrepareForSleep(bool sleeping);

private:
    ui::WindowHandle receiver_;
    bool watching_ = false;
};
