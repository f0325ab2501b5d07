#pragma once

#include <QObject>
#include <QString>
#include <vector>

// Writes down the bus signals it is connected to.
class SignalRecorder : public QObject {
    Q_OBJECT
public:
    struct Message {
        QString name;
        qint64 wParam;
        qint64 lParam;
    };
    std::vector<Message> messages;

public slots:
    void OnMessage(const QString& name, qint64 wParam, qint64 lParam) { messages.push_back({name, wParam, lParam}); }
};
