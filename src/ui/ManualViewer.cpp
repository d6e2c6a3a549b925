#include "ui/ManualViewer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

ManualViewer::ManualViewer(const QString &path, QWidget *parent)
    : QDialog(parent)
    , m_browser(new QTextBrowser(this))
{
    setWindowTitle(tr("Tessera Manual"));
    m_browser->setObjectName(QStringLiteral("manualBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(QUrl::fromLocalFile(path));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *browser = buttons->addButton(tr("Open in Browser"), QDialogButtonBox::ActionRole);
    browser->setAutoDefault(false);
    connect(browser, &QPushButton::clicked, this, [path] { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    // On a small screen the buttons stay in view.
    resize(QSize(760, 640).boundedTo(screen()->availableGeometry().size() * 0.9));
}

QString ManualViewer::find(QStringList *places)
{
    const QStringList candidates = {QDir(QCoreApplication::applicationDirPath())
                                        .absoluteFilePath(QStringLiteral("../share/doc/tessera/manual.html")),
                                    QStringLiteral(TESSERA_MANUAL_BUILD_DIR "/manual.html")};
    if (places)
        *places = candidates;
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return QString();
}
