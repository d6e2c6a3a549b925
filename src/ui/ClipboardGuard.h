#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// Every secret the program copies goes through here: it is marked for clipboard managers to skip, and
// cleared after a while, on lock and on quit, but only while the clipboard still holds it, so that
// whatever the user copied since is left alone. The X11 selection is never touched.
class ClipboardGuard : public QObject
{
    Q_OBJECT

public:
    explicit ClipboardGuard(QObject *parent = nullptr);
    ~ClipboardGuard() override;

    // How long a copy stays; 0 keeps it until something else replaces it.
    void setTimeout(int milliseconds);
    int timeout() const { return m_timeout; }

    // Copies text; what names it in the status message ("Password").
    void copy(const QString &text, const QString &what);
    // Clears the clipboard now, if it still holds the last copy.
    void clear();

signals:
    // What the status bar shows: the copy and its countdown, then that it was cleared.
    void status(const QString &message);

private:
    void tick();
    bool stillOurs() const;

    int m_timeout = 10000;
    int m_remaining = 0;
    QString m_copied;
    QString m_what;
    QTimer m_ticker;
};
