// Any bytes as a reply to every request of the online service, as a form
// body for the service's decoders and as a service directory: no crash, no
// read out of bounds, and what the decoders accept builds back into the
// same fields.

#include <QByteArray>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "online/form_body.h"
#include "online/replies.h"
#include "online/requests.h"

namespace {

namespace online = olk::online;

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

void checkReplies(const QByteArray& bytes)
{
    const online::Reply reply = bytes;
    online::parseAccountRegister(reply);
    online::parseAccountLogin(reply, online::TTevUser{}, "nick", "pw");
    online::parseAccountTopTen(reply);
    online::parseAccountPlace(reply);
    online::parseClubMembers(reply);
    online::parseTevsRead(reply);
    online::parseTevsCredit(reply);
    online::parseInfoRead(reply);
    online::parseInfoSave(reply);
    online::parseGameRecordRead(reply, online::TTevGame{});
    online::parseGameRecordWrite(reply);
    online::parseScoreTable(reply, online::kWindowsTable);
    online::parseScoreCount(reply);
    online::parseMyScores(reply, online::kWindowsTable);
    online::parseScorePost(reply);
    online::parseStatRead(reply);
    online::parseStatFirstRun(reply);
    online::parseStatLike(reply);
    online::parseStatGame(reply);
    const online::TourTablesResult tables = online::parseTourTables(reply);
    require(tables.raw == bytes);
    const online::TourSeatResult seat = online::parseTourSeat(reply);
    require(seat.ok == (seat.code != 1));
    online::parseTourClientRead(reply);
    online::parseTourServerInfo(reply);
    online::parseTourRatingRead(reply);
    online::parseTourTopTen(reply);
    online::parseTourPlace(reply);
    online::parseServiceDirectory(bytes);

    require(online::listRecords(bytes).size() <= online::kMostListRecords);
    if (const auto number = online::trailingNumber(bytes)) {
        require(*number >= 0);
    }
    if (const auto value = online::readInteger(bytes)) {
        require(online::readInteger(online::formatInteger(*value)) == value);
    }
    if (const auto rating = online::readRating(bytes)) {
        require(std::isfinite(*rating));
        const QByteArray written = online::formatRating(*rating);
        const double magnitude = std::fabs(*rating);
        // From 1e15 on (after rounding to 15 digits) a rating is written with
        // an exponent, which no rating token carries.
        if (magnitude >= 0.00001 && magnitude < 1e14) {
            const auto again = online::readRating(written);
            require(again && std::fabs(*again - *rating) <= magnitude * 1e-14);
        } else if (magnitude < 0.00001) {
            require(written == "0");
        }
    }
}

void checkForms(const QByteArray& bytes)
{
    if (const auto fields = online::decodeRawForm(bytes)) {
        // Values are taken verbatim, so the fields write the same body.
        require(online::rawFormBody(*fields) == bytes);
        require(fields->size() <= online::kMostFormFields);
    }
    // Whatever was read writes as a list body that reads back the same
    // (unless escaping made it longer than a body may be).
    const auto listRoundTrip = [](const online::FormFields& fields) {
        const QByteArray body = online::listFormBody(fields);
        require(body.size() > online::kMostFormBody || online::decodeListForm(body) == fields);
    };
    if (const auto fields = online::decodeListForm(bytes)) {
        listRoundTrip(*fields);
    }
    if (const auto fields = online::decodeFormBody(bytes)) {
        listRoundTrip(*fields);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkReplies(bytes);
    checkForms(bytes);
    if (size == sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, data, sizeof value);
        const QByteArray written = online::formatRating(value);
        require(!written.isEmpty() && !written.contains(','));
    }
    return 0;
}
