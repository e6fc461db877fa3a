#include "service/tevs_page.h"

namespace olk::service {

QByteArray tevsPage()
{
    return QByteArrayLiteral(
        "<!DOCTYPE html>\n"
        "<html lang=\"en\"><head><meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<title>Tevs - Olk players' club</title>\n"
        "<style>body{font-family:sans-serif;max-width:40em;margin:2em auto;padding:0 1em;"
        "color:#222;background:#f4f1ea}h1{color:#7a1010}li{margin:.4em 0}"
        ".note{color:#555;font-size:.9em}</style>\n"
        "</head><body>\n"
        "<h1>Tevs</h1>\n"
        "<p>Tevs are the club's own coins. This club does not sell them: every Tev a member "
        "holds was earned at the table or given by another member.</p>\n"
        "<h2>How to earn Tevs</h2>\n"
        "<ul>\n"
        "<li>Play rated games with your account (tick <b>Play global rating</b> in the "
        "account window before the game). When a cycle of 40 deals ends, the best players of "
        "the account table are paid: <b>25 Tevs</b> for first place and <b>10 Tevs</b> for "
        "places 2 to 10.</li>\n"
        "<li>Any member can give you Tevs with <b>Transfer Tevs</b> in the account window.</li>\n"
        "</ul>\n"
        "<h2 lang=\"ru\">По-русски</h2>\n"
        "<p lang=\"ru\">Тевы - монеты клуба. Клуб их не продаёт: их получают за места 1-10 в "
        "рейтинге "
        "аккаунтов (25 Тевов за первое место, 10 за места 2-10) или в подарок от других "
        "членов клуба.</p>\n"
        "<p class=\"note\">The comment the game put on your clipboard is not needed here: no "
        "payment is taken.</p>\n"
        "</body></html>\n");
}

}  // namespace olk::service
