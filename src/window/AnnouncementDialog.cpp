#include "window/AnnouncementDialog.h"

#include "window/CommandBoundary.h"
#include "window/MainWindow.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quorvan {

namespace {

// A in four groups of sixteen digits, one line each, for reading and comparing.
QString DigestInLines(const QString& digest)
{
    QStringList lines;
    for (qsizetype at = 0; at < digest.size(); at += 16)
        lines.append(digest.mid(at, 16));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

AnnouncementDialog::AnnouncementDialog(MainWindow& window, const CommandBoundary& boundary,
                                       const AnnouncementShown& shown)
    : QDialog(&window), window_(window), shown_(shown)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("AnnouncementDialog"));
    setWindowTitle(QCoreApplication::translate("AnnouncementDialog", "Draw announced"));

    panel = new QWidget;
    auto* facts = new QGridLayout(panel);
    int row = 0;
    const auto add = [&](const QString& caption, QWidget* value) {
        facts->addWidget(new QLabel(caption), row, 0, Qt::AlignTop);
        facts->addWidget(value, row++, 1);
    };
    add(QCoreApplication::translate("AnnouncementDialog", "Title:"), new QLabel(shown.Title));
    add(QCoreApplication::translate("AnnouncementDialog", "Organiser:"), new QLabel(shown.Organiser));
    add(QCoreApplication::translate("AnnouncementDialog", "Drawn with values fixed after:"),
        new QLabel(shown.DrawAfter));
    digestLabel = new QLabel(DigestInLines(shown.Digest));
    digestLabel->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    digestLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    add(QCoreApplication::translate("AnnouncementDialog", "Digest A:"), digestLabel);
    shortCodeLabel = new QLabel(shown.ShortCode);
    QFont large = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    large.setPointSize(large.pointSize() * 2);
    large.setBold(true);
    shortCodeLabel->setFont(large);
    shortCodeLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    add(QCoreApplication::translate("AnnouncementDialog", "Short code to read aloud:"),
        shortCodeLabel);
    qrLabel = new QLabel;
    qrLabel->setPixmap(QPixmap::fromImage(shown.QrCode));
    facts->addWidget(qrLabel, row++, 0, 1, 2, Qt::AlignHCenter);

    auto* advice = new QLabel(QCoreApplication::translate("AnnouncementDialog", "Publish this A before the draw (a "
            "notice, an e-mail, the QR code): whoever checks the record compares it with this A. The lists stay "
            "fixed until the draw is made or the announcement is closed."));
    advice->setWordWrap(true);
    const QString fileCaption = QCoreApplication::translate("AnnouncementDialog", "File: %1");
    auto* file = new QLabel(fileCaption.arg(shown.Path));
    file->setTextFormat(Qt::PlainText);

    copyButton = new QPushButton(QCoreApplication::translate("AnnouncementDialog", "Copy"));
    printButton = new QPushButton(QCoreApplication::translate("AnnouncementDialog", "Print…"));
    closeButton = new QPushButton(QCoreApplication::translate("AnnouncementDialog", "Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copyButton);
    buttons->addWidget(printButton);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(advice);
    layout->addWidget(file);
    layout->addLayout(buttons);

    connect(copyButton, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(publishedText()); });
    boundary.Connect(printButton, &QPushButton::clicked, this, [this] { print(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

QString AnnouncementDialog::publishedText() const
{
    return QStringLiteral("%1\n%2\n%3\nA = %4\n%5\n")
        .arg(shown_.Title, shown_.Organiser, shown_.DrawAfter, shown_.Digest, shown_.ShortCode);
}

void AnnouncementDialog::print()
{
    window_.platform().Documents().PrintWidget(panel);
}

} // namespace quorvan

#include "moc_AnnouncementDialog.cpp"
