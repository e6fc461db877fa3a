#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <string>

namespace olk::service {

// What a request costs against its address's allowance. Reads are cheap and
// frequent (the game polls tables and its balance); posts change data;
// logins are what a password guesser repeats, registrations what a spammer
// does.
enum class RateClass { Read, Post, Login, Register };

// A token bucket per address and class: `burst` requests at once, refilled at
// `perMinute` a minute. The clock is passed in, so the limiter is tested with
// made-up times.
class RateLimiter {
public:
    using Clock = std::chrono::steady_clock;

    struct Rule {
        double burst;
        double perMinute;
    };

    RateLimiter();
    void setRule(RateClass rateClass, Rule rule);

    // True when the request may go on (and takes one token).
    bool allow(const std::string& address, RateClass rateClass, Clock::time_point now);

private:
    struct Bucket {
        double tokens;
        Clock::time_point last;
    };
    std::mutex mutex_;
    std::map<RateClass, Rule> rules_;
    std::map<std::pair<std::string, RateClass>, Bucket> buckets_;
    Clock::time_point lastSweep_{};
    void sweep(Clock::time_point now);
};

}  // namespace olk::service
