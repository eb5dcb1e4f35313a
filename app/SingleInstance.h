#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// The channel through which a running client is reached: a second client sends "raise", the
// launcher sends "1024" (reload). One message per connection, one line of text.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);

    // Sends a message to the running client of this settings folder; false when none runs.
    static bool send(const QString& message, int timeoutMs = 1000);
    // Becomes the running client; false when the channel cannot be opened.
    bool listen();

Q_SIGNALS:
    void messageReceived(const QString& message);

private:
    QLocalServer* server_;
};
