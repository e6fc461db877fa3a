#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QWidget;

namespace olk {

// The attention box: a modal box titled "Attention" with up to three lines
// above a full-width "Ok" button. Empty lines are hidden; the third line is a
// web link, blue and underlined, opened when clicked. The box is 400 pixels
// wide, or the widest line plus 109 when that is more. "Ok" and Escape close
// it.
class AttentionBox : public QDialog {
    Q_OBJECT

public:
    AttentionBox(const QString& line1, const QString& line2, const QString& link,
                 QWidget* parent = nullptr);
};

// A question with "Yes" and "No"; true for "Yes".
bool askYesNo(QWidget* parent, const QString& question);

void showAttention(QWidget* parent, const QString& line1, const QString& line2 = {},
                   const QString& link = {});

// The attention box for each optional file (a picture library) that could
// not be found: "Can`t find the file" + " " + its name.
void showMissingFiles(QWidget* parent, const QStringList& fileNames);

}  // namespace olk
