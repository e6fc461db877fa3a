-- wrk script for bench/service_bench.sh: posts one of the game's requests
-- to olk-service, built the way the game builds its bodies.
--   wrk -s bench/service_bench.lua URL -- KIND [NICK PASSWORD]
-- KIND: ScoreTable (list form, the Windows table's best ten),
--       AccountLogin (list form: nick, pw, label0 with the empty items
--                     between them),
--       ScorePost (raw form, "*" right after the R10 value; every post a
--                  different score).
-- At the end one line: RESULT requests/s p99-ms non-2xx socket-errors.

local kind
local nick = "Bench"
local password = "secret1"
local counter = 0

function init(args)
    kind = args[1] or "ScoreTable"
    nick = args[2] or nick
    password = args[3] or password
    wrk.method = "POST"
    wrk.headers["Content-Type"] = "application/x-www-form-urlencoded"
    wrk.headers["User-Agent"] = "MurkPlayEntry"
    wrk.headers["Accept"] = "text/html, */*"
    if kind == "ScoreTable" then
        wrk.path = "/scores"
        wrk.body = "gid=804"
    elseif kind == "AccountLogin" then
        wrk.path = "/account"
        wrk.body = "nick=" .. nick .. "&&pw=" .. password .. "&&label0=0"
    elseif kind == "ScorePost" then
        wrk.path = "/scores"
    else
        error("unknown request kind " .. kind)
    end
end

function request()
    if kind == "ScorePost" then
        counter = counter + 1
        local body = "gid=804&nick=" .. nick .. "&city=Omsk&country=1-001&score=" ..
                     (counter * 7919 % 7441 - 3720) .. "&R7=M&R8=5.7f&R9=#&R10=#*"
        return wrk.format(nil, nil, nil, body)
    end
    return wrk.format()
end

function done(summary, latency, requests)
    local seconds = summary.duration / 1e6
    local socketErrors = summary.errors.connect + summary.errors.read +
                         summary.errors.write + summary.errors.timeout
    io.write(string.format("RESULT %.0f %.2f %d %d\n", summary.requests / seconds,
                           latency:percentile(99) / 1000, summary.errors.status, socketErrors))
end
