#include "extras/attention_box.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "extras/cards_button.h"
#include "settings/word_tables.h"

namespace olk {

AttentionBox::AttentionBox(const QString& line1, const QString& line2, const QString& link,
                           QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(text(Text::AttentionTitle));
    setModal(true);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setBold(true);
    font.setPixelSize(20);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    int widest = 0;
    const QFontMetrics metrics(font);
    for (int i = 0; i < 3; ++i) {
        const QString& line = i == 0 ? line1 : (i == 1 ? line2 : link);
        if (line.isEmpty()) {
            continue;
        }
        auto* label = new QLabel(this);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        if (i == 2) {
            label->setText(QStringLiteral("<a href=\"%1\" style=\"color:#0000ff\">%2</a>")
                               .arg(line.toHtmlEscaped(), line.toHtmlEscaped()));
            label->setTextFormat(Qt::RichText);
            // Tab comes to the link too; Enter there opens it.
            label->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                           Qt::LinksAccessibleByKeyboard);
            label->setCursor(Qt::PointingHandCursor);
            connect(label, &QLabel::linkActivated, this,
                    [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); });
        } else {
            label->setTextFormat(Qt::PlainText);
            label->setText(line);
        }
        for (const QString& part : line.split(QLatin1Char('\n'))) {
            widest = std::max(widest, metrics.horizontalAdvance(part));
        }
        layout->addWidget(label);
    }
    auto* ok = new TevCardsButton(text(Text::Ok), this);
    ok->setDefault(true);
    ok->setFont(font);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok);
    ok->setFocus();
    setFixedWidth(std::max(400, widest + 109));
}

bool askYesNo(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, text(Text::WindowTitle), question, QMessageBox::NoButton,
                    parent);
    QPushButton* yes = box.addButton(text(Text::Yes), QMessageBox::YesRole);
    box.addButton(text(Text::No), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
}

void showAttention(QWidget* parent, const QString& line1, const QString& line2, const QString& link)
{
    AttentionBox box(line1, line2, link, parent);
    box.exec();
}

void showMissingFiles(QWidget* parent, const QStringList& fileNames)
{
    for (const QString& file : fileNames) {
        showAttention(parent, text(Text::CantFindTheFile) + QLatin1Char(' ') + file);
    }
}

}  // namespace olk
