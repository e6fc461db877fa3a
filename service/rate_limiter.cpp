#include "service/rate_limiter.h"

#include <algorithm>

namespace olk::service {

RateLimiter::RateLimiter()
{
    rules_[RateClass::Read] = {120, 600};
    rules_[RateClass::Post] = {20, 30};
    rules_[RateClass::Login] = {10, 10};
    rules_[RateClass::Register] = {3, 1};
}

void RateLimiter::setRule(RateClass rateClass, Rule rule)
{
    std::lock_guard lock(mutex_);
    rules_[rateClass] = rule;
}

bool RateLimiter::allow(const std::string& address, RateClass rateClass, Clock::time_point now)
{
    std::lock_guard lock(mutex_);
    sweep(now);
    const Rule rule = rules_[rateClass];
    const auto key = std::make_pair(address, rateClass);
    auto it = buckets_.find(key);
    if (it == buckets_.end()) {
        it = buckets_.emplace(key, Bucket{rule.burst, now}).first;
    }
    Bucket& bucket = it->second;
    if (now > bucket.last) {
        const double minutes = std::chrono::duration<double>(now - bucket.last).count() / 60.0;
        bucket.tokens = std::min(rule.burst, bucket.tokens + minutes * rule.perMinute);
        bucket.last = now;
    }
    if (bucket.tokens < 1.0) {
        return false;
    }
    bucket.tokens -= 1.0;
    return true;
}

// Full buckets carry no information: every ten minutes they are dropped, so
// the table holds only the addresses that were busy lately.
void RateLimiter::sweep(Clock::time_point now)
{
    if (now - lastSweep_ < std::chrono::minutes(10)) {
        return;
    }
    lastSweep_ = now;
    for (auto it = buckets_.begin(); it != buckets_.end();) {
        const Rule rule = rules_[it->first.second];
        const double minutes = std::chrono::duration<double>(now - it->second.last).count() / 60.0;
        if (it->second.tokens + minutes * rule.perMinute >= rule.burst) {
            it = buckets_.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace olk::service
