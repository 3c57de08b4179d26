// The constant list of linked sites: the names and paths it must hold, and the rules that
// every entry keeps so that the shortcut writer can use it unchanged.

#include "links/SiteCatalogue.h"
#include "platform/DesktopPlatform.h"

#include <QTest>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>

using namespace vellory;

namespace {

constexpr ShortcutTarget kTargets[] = {ShortcutTarget::Desktop, ShortcutTarget::StartMenu, ShortcutTarget::Favorites};

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

struct UrlParts {
    std::string scheme;
    std::string host;
    std::string path;
};

UrlParts SplitUrl(std::string_view url)
{
    const auto schemeEnd = url.find("://");
    if (schemeEnd == std::string_view::npos)
        return {};
    const auto hostStart = schemeEnd + 3;
    const auto pathStart = std::min(url.find('/', hostStart), url.size());
    return {std::string(url.substr(0, schemeEnd)), std::string(url.substr(hostStart, pathStart - hostStart)),
        std::string(url.substr(pathStart))};
}

// The last two labels of a host name: "www.example.com" lies in "example.com".
std::string DomainOf(const std::string &host)
{
    const auto last = host.rfind('.');
    if (last == std::string::npos || last == 0)
        return host;
    const auto before = host.rfind('.', last - 1);
    return before == std::string::npos ? host : host.substr(before + 1);
}

}  // namespace

class TestSiteCatalogue : public QObject {
    Q_OBJECT

private slots:
    void entries_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");  // Desktop and Favorites; empty: the implementer's (checked below)
        QTest::addColumn<QString>("startMenuName");
        QTest::addColumn<QString>("path");

        // clang-format off
        const struct { const char *key, *name, *startMenuName, *path; } rows[] = {
            {"AmazingBible",           "Amazing Bible",            "Amazing Bible",            "/"},
            {"AnswersInGenesis",       "Answers In Genesis",       "Answers In Genesis",       "/"},
            {"BibleGateway",           "Bible Gateway",            "Bible Gateway",            "/"},
            {"BibleontheWeb",          "Bible on the Web",         "Bible on the Web",         "/"},
            {"BlueLetterBible",        "Blue Letter Bible",        "Blue Letter Bible",        "/"},
            {"ChristianAnswers",       "Christian Answers",        "Christian Answers",        "/"},
            {"ChristianCaf\u00e9",     "Christian Caf\u00e9",      "Christian Caf\u00e9",      ""},
            {"ChristianHeadlines",     "Christian Headlines",      "Christian Headlines",      "/"},
            {"ChristianityToday",      "Christianity Today",       "Christianity Today",       "/"},
            {"CrossDaily",             "Cross Daily",              "Cross Daily",              "/"},
            {"Crosswalk",              "Crosswalk",                "Crosswalk",                "/"},
            {"EastonsBibleDictionary", "Eastons Bible Dictionary", "Eastons Bible Dictionary", "/Dictionaries/EastonsBibleDictionary/"},
            {"eHarmony",               "eHarmony",                 "eHarmony",                 ""},
            {"EvangelistSite",         "",                         "",                         "/"},
            {"FocusOnTheFamily",       "Focus On The Family",      "Focus On The Family",      "/"},
            {"GospelPortal",           "",                         "",                         "/"},
            {"HarvestOnline",          "Harvest Online",           "Harvest Online",           "/"},
            {"KoinoniaHouse",          "Koinonia House",           "Koinonia House",           "/"},
            {"NavesTopicalBible",      "Naves Topical Bible",      "Naves opical Bible",       "/Concordances/NavesTopicalBible/"},
            {"OnlineScripture",        "Online Scripture",         "Online Scripture",         ""},
            {"PromiseKeepers",         "Promise Keepers",          "Promise Keepers",          "/"},
            {"SermonSearch",           "Sermon Search",            "Sermon Search",            "/"},
            {"TheBibleMaster",         "The Bible Master",         "The Bible Master",         "/"},
            {"TheBibleSource",         "The Bible Source",         "The Bible Source",         "/"},
        };
        // clang-format on
        for (const auto &row : rows)
            QTest::newRow(row.key) << QString::fromUtf8(row.key) << QString::fromUtf8(row.name)
                                   << QString::fromUtf8(row.startMenuName) << QString::fromUtf8(row.path);
    }

    // Each entry by its exact key, with its names for the three folders and its path.
    void entries()
    {
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(QString, startMenuName);
        QFETCH(QString, path);

        const SiteEntry &site = FindSite(key.toStdString());
        QCOMPARE(QString::fromUtf8(site.key.data(), site.key.size()), key);
        const auto nameFor = [&site](ShortcutTarget target) {
            const std::string_view text = site.shortcutName(target);
            return QString::fromUtf8(text.data(), text.size());
        };
        if (!name.isEmpty()) {
            QCOMPARE(nameFor(ShortcutTarget::Desktop), name);
            QCOMPARE(nameFor(ShortcutTarget::StartMenu), startMenuName);
            QCOMPARE(nameFor(ShortcutTarget::Favorites), name);
        }
        QCOMPARE(QString::fromStdString(SplitUrl(site.url).path), path);
    }

    void holdsExactly24EntriesInAlphabeticalOrder()
    {
        const auto sites = SiteCatalogue();
        QCOMPARE(sites.size(), std::size_t(24));
        for (std::size_t i = 1; i < sites.size(); ++i)
            QVERIFY2(Lower(sites[i - 1].key) < Lower(sites[i].key), std::string(sites[i].key).c_str());
    }

    void keysAreUniqueIgnoringCase()
    {
        std::set<std::string> seen;
        for (const SiteEntry &site : SiteCatalogue())
            QVERIFY2(seen.insert(Lower(site.key)).second, std::string(site.key).c_str());
    }

    void lookupIsByExactKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("other case") << "biblegateway";
        QTest::newRow("without the accent") << "ChristianCafe";
        QTest::newRow("trailing blank") << "Crosswalk ";
        QTest::newRow("empty") << "";
    }

    void lookupIsByExactKey()
    {
        QFETCH(QString, key);
        QVERIFY_THROWS_EXCEPTION(AppFailure, FindSite(key.toStdString()));
    }

    // What the writer relies on: nothing to trim, nothing a file name may not hold.
    void shortcutNamesAreUsableFileNames()
    {
        for (const SiteEntry &site : SiteCatalogue()) {
            for (const ShortcutTarget target : kTargets) {
                const std::string name(site.shortcutName(target));
                const QByteArray where = QByteArray::fromStdString(name);
                QVERIFY2(!name.empty(), where);
                QVERIFY2(name.front() != ' ' && name.back() != ' ', where);
                QVERIFY2(name.find_first_of("\\/:*?\"<>|") == std::string::npos, where);
                QVERIFY2(std::none_of(name.begin(), name.end(), [](unsigned char c) { return c < 0x20; }), where);
            }
        }
    }

    void namesAreTheSameInEveryFolderButOne()
    {
        for (const SiteEntry &site : SiteCatalogue()) {
            QCOMPARE(site.shortcutName(ShortcutTarget::Favorites), site.shortcutName(ShortcutTarget::Desktop));
            if (site.key != "NavesTopicalBible")
                QCOMPARE(site.shortcutName(ShortcutTarget::StartMenu), site.shortcutName(ShortcutTarget::Desktop));
        }
        const SiteEntry &naves = FindSite("NavesTopicalBible");
        QCOMPARE(naves.shortcutName(ShortcutTarget::StartMenu), std::string_view("Naves opical Bible"));
        QCOMPARE(naves.shortcutName(ShortcutTarget::Desktop), std::string_view("Naves Topical Bible"));
    }

    void onlyTheCafeIsNotAscii()
    {
        for (const SiteEntry &site : SiteCatalogue()) {
            const bool ascii = std::all_of(site.key.begin(), site.key.end(), [](unsigned char c) { return c < 0x80; });
            QCOMPARE(ascii, site.key != "ChristianCaf\u00e9");
        }
        // é is U+00E9, two bytes in UTF-8, in the key and in every name.
        const SiteEntry &cafe = FindSite("ChristianCaf\xC3\xA9");
        for (const ShortcutTarget target : kTargets)
            QCOMPARE(cafe.shortcutName(target), std::string_view("Christian Caf\xC3\xA9"));
    }

    // "http://" + a lower-case host + an empty path, "/" or "/.../"; ASCII, no port, user,
    // query or fragment, no blank at either end.
    void urlsHaveTheirShape()
    {
        for (const SiteEntry &site : SiteCatalogue()) {
            const std::string url(site.url);
            const QByteArray where = QByteArray::fromStdString(url);
            QVERIFY2(std::all_of(url.begin(), url.end(), [](unsigned char c) { return c > 0x20 && c < 0x7F; }), where);
            const UrlParts parts = SplitUrl(url);
            QCOMPARE(parts.scheme, std::string("http"));
            QVERIFY2(!parts.host.empty(), where);
            const auto notLowerHostLetter = parts.host.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789.-");
            QVERIFY2(notLowerHostLetter == std::string::npos, where);
            QVERIFY2(parts.host.find('.') != std::string::npos, where);
            QVERIFY2(parts.host.front() != '.' && parts.host.back() != '.', where);
            QVERIFY2(parts.path.find_first_of("?#:@ ") == std::string::npos, where);
            QVERIFY2(parts.path.empty() || (parts.path.front() == '/' && parts.path.back() == '/'), where);
        }
    }

    void threeUrlsEndWithTheHost()
    {
        std::set<std::string> withoutPath;
        for (const SiteEntry &site : SiteCatalogue()) {
            if (SplitUrl(site.url).path.empty())
                withoutPath.insert(std::string(site.key));
        }
        QCOMPARE(withoutPath, (std::set<std::string> {"ChristianCaf\u00e9", "OnlineScripture", "eHarmony"}));
    }

    // 23 hosts for 24 sites: the two reference works share a host beside Crosswalk's own.
    void twoReferenceWorksShareAHostInCrosswalksDomain()
    {
        std::map<std::string, std::set<std::string>> keysByHost;
        for (const SiteEntry &site : SiteCatalogue())
            keysByHost[SplitUrl(site.url).host].insert(std::string(site.key));
        QCOMPARE(keysByHost.size(), std::size_t(23));

        const std::string shared = SplitUrl(FindSite("EastonsBibleDictionary").url).host;
        QCOMPARE(keysByHost[shared], (std::set<std::string> {"EastonsBibleDictionary", "NavesTopicalBible"}));
        const std::string crosswalk = SplitUrl(FindSite("Crosswalk").url).host;
        QVERIFY(shared != crosswalk);
        QCOMPARE(DomainOf(shared), DomainOf(crosswalk));
    }

    void namesLeftToUsHaveTheirShape()
    {
        // The evangelist: given name, one blank, surname.
        const std::string evangelist(FindSite("EvangelistSite").shortcutName(ShortcutTarget::Desktop));
        const auto blank = evangelist.find(' ');
        QVERIFY(blank != std::string::npos && blank > 0 && blank + 1 < evangelist.size());
        QCOMPARE(evangelist.find(' ', blank + 1), std::string::npos);
        QVERIFY(std::isupper(static_cast<unsigned char>(evangelist[0])));
        QVERIFY(std::isupper(static_cast<unsigned char>(evangelist[blank + 1])));

        // The portal: its own domain name with an initial capital; one dot, no other punctuation.
        const SiteEntry &portal = FindSite("GospelPortal");
        const std::string name(portal.shortcutName(ShortcutTarget::Desktop));
        QVERIFY(std::isupper(static_cast<unsigned char>(name[0])));
        QCOMPARE(std::count(name.begin(), name.end(), '.'), std::ptrdiff_t(1));
        QVERIFY(std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c) || c == '.'; }));
        QCOMPARE(Lower(name), DomainOf(SplitUrl(portal.url).host));
    }
};

QTEST_APPLESS_MAIN(TestSiteCatalogue)
#include "test_site_catalogue.moc"
