#pragma once

#include <gtest/gtest.h>
#include <QTest>

#include "core/game_engine.h"
#include "table/table_geometry.h"
#include "table/table_view.h"

namespace olk {

// Plays the deal on the table to its end: computer ticks, and the local
// player always takes from the deck and throws away his first card.
inline void playDeal(TableView& table, const GameEngine& engine)
{
    QTest::mouseClick(table.button7(), Qt::LeftButton);  // "To Begin"
    const TableGeometry& g = table.tableGeometry();
    int guard = 0;
    while (engine.state().turnState != turn::kDealOver && ++guard < 500) {
        const TableState& st = engine.state();
        if (st.turnState == 4) {
            const QPoint deck =
                g.koloda.topLeft() +
                QPoint(g.scale.size(72) + 10, g.scale.size(stackOffset(st.deckLeft())) + 10);
            QTest::mouseClick(&table, Qt::LeftButton, {}, deck);
        } else if (st.turnState == 14) {
            const QList<int> xs = cardPositions(g.cards[4].width(), g.cardWidth, 4);
            QTest::mouseClick(&table, Qt::LeftButton, {},
                              g.cards[4].topLeft() + QPoint(xs[0] + 5, 20));
        } else {
            table.onTick();
        }
    }
    ASSERT_EQ(engine.state().turnState, turn::kDealOver);
}

}  // namespace olk
