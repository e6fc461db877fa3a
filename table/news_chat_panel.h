#pragma once

#include <QImage>
#include <QWidget>

namespace olk {

// The news and chat corner of the main menu. Small windows show the two
// pictures as icons, each with its siren beside it only while something is
// unread; large ones (`setLarge`) the shelf "GPolkaNw" holding "GNews072"
// and "GChat072" with both sirens always there, turning only while
// unread. A click on a picture asks for the news or the chat.
//
// The keyboard reaches the two pictures one after the other (the menu's
// round sets `focusPart`); Enter or Space asks for the one with the focus.
class NewsChatPanel : public QWidget {
    Q_OBJECT

public:
    explicit NewsChatPanel(QWidget* parent = nullptr);

    enum class Part { News, Chat };

    void setLarge(bool large);
    bool large() const { return m_large; }
    // The size the panel takes at window scale `scale`.
    QSize panelSize(double scale) const;
    void setUnread(bool news, bool chat);
    bool newsUnread() const { return m_newsUnread; }
    bool chatUnread() const { return m_chatUnread; }
    // One tick of the menu's 20 ms timer: the sirens turn while unread.
    void tick();
    int sirenFrame() const { return m_frame; }
    // Where each picture is drawn, in the panel's own coordinates.
    QRect newsArea() const;
    QRect chatArea() const;
    // The picture the keyboard's focus is on while the panel has it.
    Part focusPart() const { return m_focusPart; }
    void setFocusPart(Part part);

signals:
    void newsClicked();
    void chatClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect sirenArea(bool chat) const;
    void drawSiren(QPainter& p, const QImage& strip, const QRect& place, bool turning) const;

    bool m_large = false;
    bool m_newsUnread = false;
    bool m_chatUnread = false;
    Part m_focusPart = Part::News;
    int m_ticks = 0;
    int m_frame = 0;
    QImage m_shelf;
    QImage m_news;
    QImage m_chat;
    QImage m_blue;  // strips of square frames
    QImage m_red;
};

}  // namespace olk
