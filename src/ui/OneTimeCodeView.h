#pragma once

#include "otp/TotpSetup.h"

#include <QTimer>
#include <QWidget>

class CountdownRing;
class FittedLabel;
class QLabel;

// A one-time code in the detail pane: the current code in two groups beside a ring counting down its
// period, kept current while shown. Revealing shows the otpauth:// link it is made from instead.
class OneTimeCodeView : public QWidget
{
    Q_OBJECT

public:
    OneTimeCodeView(const TotpSetup &setup, const QString &uri, QWidget *parent = nullptr);

    // The current code, without the blank between its groups.
    QString code() const;
    FittedLabel *label() const { return m_label; }
    CountdownRing *ring() const { return m_ring; }

signals:
    void copyRequested(const QString &code);

public slots:
    void toggleMask(bool off);
    void copyToClipboard();

private:
    void refresh();

    const TotpSetup m_setup;
    const QString m_uri;
    bool m_revealed = false;
    FittedLabel *m_label;
    CountdownRing *m_ring;
    QTimer m_timer;
};
