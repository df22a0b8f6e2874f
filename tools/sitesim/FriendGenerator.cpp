#include "FriendGenerator.h"

#include "NamePools.h"

#include <array>
#include <span>
#include <string_view>

namespace sitesim {
namespace {

// SplitMix64: tiny and defined bit for bit, unlike the standard distributions.
class Random
{
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(next() % bound); }

    std::string pick(std::span<const std::string_view> pool)
    {
        return std::string(pool[below(pool.size())]);
    }

private:
    std::uint64_t state_;
};

enum class NameKind
{
    Plain,
    Latin,
    Rare,
    Supplementary,
    Compound,
    Accented
};

constexpr std::array<NameKind, 10> kindPattern = {
    NameKind::Plain, NameKind::Latin,    NameKind::Rare,  NameKind::Supplementary,
    NameKind::Plain, NameKind::Compound, NameKind::Plain, NameKind::Accented,
    NameKind::Plain, NameKind::Plain};

std::string givenName(Random& random)
{
    std::string out = random.pick(pools::givenChars());
    if (random.below(2) == 0) {
        out += random.pick(pools::givenChars());
    }
    return out;
}

std::string latinName(Random& random)
{
    const std::string latin = random.pick(pools::latinNames());
    const std::string surname = random.pick(pools::surnames());
    switch (random.below(3)) {
    case 0:
        return surname + latin;
    case 1:
        return latin + surname;
    default:
        return latin + " " + surname + givenName(random);
    }
}

std::string supplementaryName(Random& random)
{
    const std::string rare = random.pick(pools::supplementaryChars());
    if (random.below(2) == 0) {
        return rare + givenName(random);
    }
    return random.pick(pools::surnames()) + rare;
}

std::string makeName(NameKind kind, Random& random)
{
    switch (kind) {
    case NameKind::Latin:
        return latinName(random);
    case NameKind::Rare:
        return random.pick(pools::surnames()) + random.pick(pools::rareChars());
    case NameKind::Supplementary:
        return supplementaryName(random);
    case NameKind::Compound:
        return random.pick(pools::compoundSurnames()) + givenName(random);
    case NameKind::Accented:
        return random.pick(pools::accentedNames()) + random.pick(pools::surnames());
    case NameKind::Plain:
        break;
    }
    return random.pick(pools::surnames()) + givenName(random);
}

std::vector<std::string> makeGroups(Random& random)
{
    std::vector<std::string> out;
    const std::size_t count = random.below(3);
    for (std::size_t i = 0; i < count; ++i) {
        out.push_back(random.pick(pools::groups()));
    }
    return out;
}

Friend makeFriend(int index, Random& random, const GeneratorSettings& settings)
{
    Friend person;
    person.id = std::to_string(220000000ULL + 1000ULL * (index + 1) + random.below(1000));
    person.sex = random.below(2) == 0 ? "0" : "1";
    person.online = random.below(4) == 0 ? "1" : "0";
    person.school = random.pick(pools::schools());
    person.name = makeName(kindPattern[index % kindPattern.size()], random);
    person.head = defaultAvatarAddress(settings.origin, person.id);
    person.groups = makeGroups(random);
    return person;
}

void makeHostile(Friend& person, int index)
{
    const auto names = pools::hostileNames();
    const auto queries = pools::hostileQueries();
    if (index % 4 == 1) {
        person.name = std::string(names[(index / 4) % names.size()]);
    }
    if (index % 6 == 3) {
        person.head += std::string(queries[(index / 6) % queries.size()]);
    }
}

} // namespace

std::string defaultAvatarAddress(const std::string& origin, const std::string& id)
{
    return origin + "/avatar/" + id + ".svg";
}

std::vector<Friend> generateFriends(const GeneratorSettings& settings)
{
    Random random(settings.seed);
    std::vector<Friend> out;
    out.reserve(settings.count > 0 ? settings.count : 0);
    for (int i = 0; i < settings.count; ++i) {
        out.push_back(makeFriend(i, random, settings));
        if (settings.hostile) {
            makeHostile(out.back(), i);
        }
    }
    return out;
}

} // namespace sitesim
