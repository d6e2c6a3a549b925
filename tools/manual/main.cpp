// Makes the manual that Help > Manual shows: the README as one HTML page, written at build time, so
// that the help ships with the program and needs neither a network nor a Markdown tool.
//   tessera-manual README.md manual.html

#include <QFile>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Laying out text needs fonts, and fonts need a platform: one without a display will do.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << "usage: tessera-manual README.md manual.html\n";
        return 2;
    }
    QFile in(arguments.at(1));
    if (!in.open(QIODevice::ReadOnly)) {
        err << "tessera-manual: cannot read " << in.fileName() << ": " << in.errorString() << '\n';
        return 1;
    }
    QTextDocument document;
    document.setMarkdown(QString::fromUtf8(in.readAll()), QTextDocument::MarkdownDialectGitHub);
    document.setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("Tessera Manual"));
    // Screenshots at their own size would be wider than the viewer; the height follows the width.
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (!fragment.fragment().charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.fragment().charFormat().toImageFormat();
            image.setWidth(640);
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.fragment().position());
            cursor.setPosition(fragment.fragment().position() + fragment.fragment().length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
    QFile out(arguments.at(2));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(document.toHtml("utf-8").toUtf8()) < 0
        || !out.flush()) {
        err << "tessera-manual: cannot write " << out.fileName() << ": " << out.errorString() << '\n';
        return 1;
    }
    return 0;
}
