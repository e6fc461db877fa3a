#include "table/table_access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <array>

#include "core/seats.h"
#include "settings/word_tables.h"
#include "table/table_view.h"

namespace olk {

QString cardName(CardCode code)
{
    if (!isValidCard(code)) {
        return {};
    }
    const int rankIndex = rankIndexOf(code.rank);  // 1 (two) .. 13 (ace)
    const Text rank = static_cast<Text>(static_cast<int>(Text::CardRankTwo) + rankIndex - 1);
    Text suit = Text::CardSuitSpades;
    switch (code.suit) {
    case suit::kHearts:
        suit = Text::CardSuitHearts;
        break;
    case suit::kDiamonds:
        suit = Text::CardSuitDiamonds;
        break;
    case suit::kClubs:
        suit = Text::CardSuitClubs;
        break;
    default:
        break;
    }
    return text(Text::CardName).arg(text(rank), text(suit));
}

namespace {

// The made-up children, in the order a screen reader walks them.
enum class ItemKind { HandCard, Pile, Deck, Plate };

struct ItemKey {
    ItemKind kind;
    int number;  // the hand's cell 1..4, the plate's seat 1..4
};

constexpr int kItemSlots = 10;  // 4 cards, pile, deck, 4 plates

int slotOf(ItemKey key)
{
    switch (key.kind) {
    case ItemKind::HandCard:
        return key.number - 1;
    case ItemKind::Pile:
        return 4;
    case ItemKind::Deck:
        return 5;
    case ItemKind::Plate:
        break;
    }
    return 5 + key.number;
}

class TableAccessible;

class TableItemAccessible : public QAccessibleInterface {
public:
    TableItemAccessible(TableAccessible* table, ItemKey key) : m_table(table), m_key(key) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    ItemKey key() const { return m_key; }

private:
    TableView* view() const;

    TableAccessible* m_table;
    ItemKey m_key;
};

class TableAccessible : public QAccessibleWidget {
public:
    explicit TableAccessible(TableView* view) : QAccessibleWidget(view, QAccessible::Client) {}

    ~TableAccessible() override
    {
        for (const QAccessible::Id id : m_ids) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    TableView* view() const { return static_cast<TableView*>(widget()); }

    // What the table shows now: the own cards, the pile's top card, the
    // deck, the plates drawn.
    QList<ItemKey> shownItems() const
    {
        QList<ItemKey> items;
        const TableState& st = view()->state();
        if (!st.gameActive) {
            return items;
        }
        for (int cell = 1; cell <= st.players[kLocalSeat].cardCount; ++cell) {
            items.append({ItemKind::HandCard, cell});
        }
        if (st.pileCount >= 1) {
            items.append({ItemKind::Pile, 0});
        }
        items.append({ItemKind::Deck, 0});
        for (int seat = 1; seat <= kSeats; ++seat) {
            if (!view()->plateCaption(seat).isEmpty()) {
                items.append({ItemKind::Plate, seat});
            }
        }
        return items;
    }

    int childCount() const override
    {
        return static_cast<int>(shownItems().size()) + QAccessibleWidget::childCount();
    }

    QAccessibleInterface* child(int index) const override
    {
        const QList<ItemKey> items = shownItems();
        if (index < 0) {
            return nullptr;
        }
        if (index < items.size()) {
            return item(items[index]);
        }
        return QAccessibleWidget::child(index - static_cast<int>(items.size()));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const QList<ItemKey> items = shownItems();
        for (int i = 0; i < items.size(); ++i) {
            if (m_items[slotOf(items[i])] == child) {
                return i;
            }
        }
        const int widgetIndex = QAccessibleWidget::indexOfChild(child);
        return widgetIndex < 0 ? -1 : widgetIndex + static_cast<int>(items.size());
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0, n = childCount(); i < n; ++i) {
            QAccessibleInterface* each = child(i);
            if (each != nullptr && each->rect().contains(x, y)) {
                return each;
            }
        }
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        if (const int cell = view()->keyboardCell(); cell != 0 && view()->hasFocus()) {
            return item({ItemKind::HandCard, cell});
        }
        return QAccessibleWidget::focusChild();
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return olk::text(Text::TableAccName);
        }
        return QAccessibleWidget::text(t);
    }

    // The interface of one item, made once and kept (screen readers hold
    // on to the ids they were given).
    TableItemAccessible* item(ItemKey key) const
    {
        const int slot = slotOf(key);
        if (m_items[slot] == nullptr) {
            m_items[slot] = new TableItemAccessible(const_cast<TableAccessible*>(this), key);
            m_ids[slot] = QAccessible::registerAccessibleInterface(m_items[slot]);
        }
        return m_items[slot];
    }

private:
    // Owned by the accessibility cache once registered; the ids let the
    // destructor take them out of it again.
    mutable std::array<TableItemAccessible*, kItemSlots> m_items{};
    mutable std::array<QAccessible::Id, kItemSlots> m_ids{};
};

TableView* TableItemAccessible::view() const
{
    return m_table->view();
}

bool TableItemAccessible::isValid() const
{
    return m_table->isValid();
}

QWindow* TableItemAccessible::window() const
{
    return m_table->window();
}

QAccessibleInterface* TableItemAccessible::parent() const
{
    return m_table;
}

QString TableItemAccessible::text(QAccessible::Text t) const
{
    const TableState& st = view()->state();
    if (t == QAccessible::Name) {
        switch (m_key.kind) {
        case ItemKind::HandCard: {
            const PlayerRecord& hand = st.players[kLocalSeat];
            if (m_key.number > hand.cardCount) {
                return {};
            }
            return olk::text(Text::TableHandCard)
                .arg(QString::number(m_key.number), QString::number(hand.cardCount),
                     cardName(hand.cells[m_key.number].code));
        }
        case ItemKind::Pile:
            return olk::text(Text::TablePileName)
                .arg(st.pileCount >= 1 ? cardName(st.pileTop().code) : QString());
        case ItemKind::Deck:
            return olk::text(Text::TableDeckName).arg(st.deckLeft());
        case ItemKind::Plate:
            return view()->plateCaption(m_key.number);
        }
    }
    if (t == QAccessible::Description) {
        const bool playing = st.gameActive && st.playPhase == 2;
        switch (m_key.kind) {
        case ItemKind::HandCard:
            return playing && st.turnState == kLocalSeat + turn::kDiscardOffset
                       ? olk::text(Text::TableHandKeys)
                       : QString();
        case ItemKind::Pile:
            return olk::text(Text::TablePileKeys);
        case ItemKind::Deck:
            return olk::text(Text::TableDeckKeys);
        case ItemKind::Plate:
            break;
        }
    }
    return {};
}

QRect TableItemAccessible::rect() const
{
    QRect local;
    switch (m_key.kind) {
    case ItemKind::HandCard:
        local = view()->localCardRect(m_key.number);
        break;
    case ItemKind::Pile:
        local = view()->pileTopRect();
        break;
    case ItemKind::Deck:
        local = view()->deckTopRect();
        break;
    case ItemKind::Plate:
        local = view()->tableGeometry().plates[m_key.number];
        break;
    }
    if (local.isEmpty()) {
        return {};
    }
    return QRect(view()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role TableItemAccessible::role() const
{
    switch (m_key.kind) {
    case ItemKind::HandCard:
        return QAccessible::ListItem;
    case ItemKind::Pile:
    case ItemKind::Deck:
        return QAccessible::Button;
    case ItemKind::Plate:
        break;
    }
    return QAccessible::StaticText;
}

QAccessible::State TableItemAccessible::state() const
{
    QAccessible::State state;
    const TableState& st = view()->state();
    state.invisible = !view()->isVisible() || !st.gameActive;
    if (m_key.kind == ItemKind::HandCard) {
        state.focusable = true;
        state.selectable = true;
        state.focused = view()->hasFocus() && view()->keyboardCell() == m_key.number;
        state.selected = view()->keyboardCell() == m_key.number;
    }
    if (m_key.kind == ItemKind::Pile || m_key.kind == ItemKind::Deck) {
        state.disabled = !(st.gameActive && st.playPhase == 2 && st.turnState == kLocalSeat);
    }
    return state;
}

QAccessibleInterface* tableFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("olk::TableView") && object != nullptr &&
        object->isWidgetType()) {
        return new TableAccessible(static_cast<TableView*>(object));
    }
    return nullptr;
}

}  // namespace

void installTableAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(tableFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace olk
