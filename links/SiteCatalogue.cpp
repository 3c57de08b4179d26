#include "SiteCatalogue.h"

#include "platform/DesktopPlatform.h"

#include <string>

namespace vellory {

namespace {

constexpr SiteEntry Site(std::string_view key, std::string_view name, std::string_view url)
{
    return SiteEntry {key, {name, name, name}, url};
}

// Desktop and Favorites share every name; the Start Menu differs for one site only.
constexpr SiteEntry Site(
    std::string_view key, std::string_view name, std::string_view startMenuName, std::string_view url)
{
    return SiteEntry {key, {name, startMenuName, name}, url};
}

// clang-format off
constexpr std::array<SiteEntry, 24> kSites = {
    Site("AmazingBible",           "Amazing Bible",            "http://www.amazingbible.org/"),
    Site("AnswersInGenesis",       "Answers In Genesis",       "http://www.answersingenesis.org/"),
    Site("BibleGateway",           "Bible Gateway",            "http://www.biblegateway.com/"),
    Site("BibleontheWeb",          "Bible on the Web",         "http://www.bibleontheweb.com/"),
    Site("BlueLetterBible",        "Blue Letter Bible",        "http://www.blueletterbible.org/"),
    Site("ChristianAnswers",       "Christian Answers",        "http://www.christiananswers.net/"),
    Site("ChristianCaf\u00e9",     "Christian Caf\u00e9",      "http://www.christiancafe.com"),
    Site("ChristianHeadlines",     "Christian Headlines",      "http://www.christianheadlines.com/"),
    Site("ChristianityToday",      "Christianity Today",       "http://www.christianitytoday.com/"),
    Site("CrossDaily",             "Cross Daily",              "http://www.crossdaily.com/"),
    Site("Crosswalk",              "Crosswalk",                "http://www.crosswalk.com/"),
    Site("EastonsBibleDictionary", "Eastons Bible Dictionary", "http://bible.crosswalk.com/Dictionaries/EastonsBibleDictionary/"),
    Site("eHarmony",               "eHarmony",                 "http://www.eharmony.com"),
    Site("EvangelistSite",         "Billy Graham",             "http://www.billygraham.org/"),
    Site("FocusOnTheFamily",       "Focus On The Family",      "http://www.focusonthefamily.com/"),
    Site("GospelPortal",           "Gospelcom.net",            "http://www.gospelcom.net/"),
    Site("HarvestOnline",          "Harvest Online",           "http://www.harvest.org/"),
    Site("KoinoniaHouse",          "Koinonia House",           "http://www.khouse.org/"),
    Site("NavesTopicalBible",      "Naves Topical Bible",      "Naves opical Bible",
                                                               "http://bible.crosswalk.com/Concordances/NavesTopicalBible/"),
    Site("OnlineScripture",        "Online Scripture",         "http://www.onlinescripture.com"),
    Site("PromiseKeepers",         "Promise Keepers",          "http://www.promisekeepers.org/"),
    Site("SermonSearch",           "Sermon Search",            "http://www.sermonsearch.com/"),
    Site("TheBibleMaster",         "The Bible Master",         "http://www.biblemaster.com/"),
    Site("TheBibleSource",         "The Bible Source",         "http://www.thebiblesource.com/"),
};
// clang-format on

}  // namespace

std::span<const SiteEntry> SiteCatalogue()
{
    return kSites;
}

const SiteEntry &FindSite(std::string_view key)
{
    for (const SiteEntry &site : kSites) {
        if (site.key == key)
            return site;
    }
    throw AppFailure(kErrorInvalidParameter, "No site named " + std::string(key));
}

}  // namespace vellory
