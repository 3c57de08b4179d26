#include "SiteGrid.h"

#include "links/SiteCatalogue.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/PictureButton.h"
#include "platform/qt/WindowKit.h"

#include <QPixmap>

#include <array>
#include <string>
#include <string_view>

namespace vellory {

namespace {

struct SiteButtonInfo {
    std::string_view key;  // the catalogue entry, and the button's name
    int row;               // 0..5
    int column;            // 0..3
    const char *caption;   // UTF-8
    const char *toolTip;   // UTF-8
    const char *picture;   // resource alias
};

// Columns stand 2520, 2520 and 2400 twips apart; rows 960.
constexpr int kSiteColumnOffsets[4] = {0, 2520, 5040, 7440};
constexpr int kSiteRowStep = 960;
constexpr int kSiteButtonWidth = 1700;
constexpr int kSiteButtonHeight = 650;

// In grid order, row by row.
// clang-format off
constexpr std::array<SiteButtonInfo, 24> kSiteButtons = {{
    {"EvangelistSite",         0, 0, "Billy Graham",              "Billy Graham",        ":/sites/EvangelistSite"},
    {"BibleGateway",           0, 1, "Bible Gateway",             "Bible Gateway",       ":/sites/BibleGateway"},
    {"FocusOnTheFamily",       0, 2, "Focus On The Family",       "Focus On The Family", ":/sites/FocusOnTheFamily"},
    {"AmazingBible",           0, 3, "Amazing Bible",             "Amazing Bible",       ":/sites/AmazingBible"},
    {"PromiseKeepers",         1, 0, "Promise Keepers",           "Promise Keepers",     ":/sites/PromiseKeepers"},
    {"KoinoniaHouse",          1, 1, "Koinonia House",            "Koinonia House",      ":/sites/KoinoniaHouse"},
    {"GospelPortal",           1, 2, "Gospelcom.net",             "Gospelcom.net",       ":/sites/GospelPortal"},
    {"ChristianCaf\u00e9",     1, 3, "Christian Caf\u00e9",       "Christian Caf\u00e9", ":/sites/ChristianCafe"},
    {"OnlineScripture",        2, 0, "Online Scripture",          "Online Scripture",    ":/sites/OnlineScripture"},
    {"AnswersInGenesis",       2, 1, "Answers In Genesis",        "Answers In Genesis",  ":/sites/AnswersInGenesis"},
    {"eHarmony",               2, 2, " eHarmony",                 " eHarmony",           ":/sites/eHarmony"},
    {"EastonsBibleDictionary", 2, 3, "Easton's Bible Dictionary", "Easton's Bible Dictionary", ":/sites/EastonsBibleDictionary"},
    {"Crosswalk",              3, 0, "Crosswalk",                 "Crosswalk",           ":/sites/Crosswalk"},
    {"BibleontheWeb",          3, 1, "Bible on the Web",          "Bible on the Web",    ":/sites/BibleontheWeb"},
    {"HarvestOnline",          3, 2, "Harvest Online",            "Harvest Online",      ":/sites/HarvestOnline"},
    {"NavesTopicalBible",      3, 3, "Nave's Topical Bible",      "Nave's Topical Bible", ":/sites/NavesTopicalBible"},
    {"ChristianityToday",      4, 0, "Christianity Today",        "Christianity Today",  ":/sites/ChristianityToday"},
    {"SermonSearch",           4, 1, "Sermon Search",             "Sermon Search",       ":/sites/SermonSearch"},
    {"CrossDaily",             4, 2, "CrossDaily",                "Cross Daily",         ":/sites/CrossDaily"},
    {"ChristianAnswers",       4, 3, "ChristianAnswers .net",     "Christian Answers",   ":/sites/ChristianAnswers"},
    {"BlueLetterBible",        5, 0, "Blue Letter Bible",         "Blue Letter Bible",   ":/sites/BlueLetterBible"},
    {"ChristianHeadlines",     5, 1, "Christian Headlines",       "Christian Headlines", ":/sites/ChristianHeadlines"},
    {"TheBibleSource",         5, 2, "The Bible Source",          "The Bible Source",    ":/sites/TheBibleSource"},
    {"TheBibleMaster",         5, 3, "The Bible Master",          "The Bible Master",    ":/sites/TheBibleMaster"},
}};

constexpr std::array<std::string_view, 24> kKeyboardOrder = {
    "HarvestOnline", "Crosswalk", "PromiseKeepers", "OnlineScripture", "ChristianityToday", "BlueLetterBible",
    "KoinoniaHouse", "AnswersInGenesis", "BibleontheWeb", "SermonSearch", "ChristianHeadlines", "TheBibleSource",
    "ChristianCaf\u00e9", "ChristianAnswers", "AmazingBible", "BibleGateway", "NavesTopicalBible",
    "EastonsBibleDictionary", "CrossDaily", "TheBibleMaster", "GospelPortal", "FocusOnTheFamily", "eHarmony",
    "EvangelistSite",
};
// clang-format on

}  // namespace

QList<PictureButton *> AddSiteGrid(
    QWidget *frame, const SiteGridOptions &options, const std::function<void(const SiteEntry &)> &onClick)
{
    QList<PictureButton *> inKeyboardOrder;
    for (const std::string_view key : kKeyboardOrder) {
        for (const SiteButtonInfo &info : kSiteButtons) {
            if (info.key != key)
                continue;
            QString caption = QString::fromUtf8(info.caption);
            if (options.blankBeforeEvangelist && info.key == "EvangelistSite")
                caption.prepend(QLatin1Char(' '));
            PictureButton *button = AddPictureButton(frame, std::string(info.key).c_str(), caption,
                QString::fromUtf8(info.toolTip), options.firstLeft + kSiteColumnOffsets[info.column],
                options.firstTop + info.row * kSiteRowStep, kSiteButtonWidth, kSiteButtonHeight);
            button->setFont(ComicSans(8.25, true));
            button->setPicture(QPixmap(QString::fromLatin1(info.picture)));
            const SiteEntry &site = FindSite(info.key);
            QObject::connect(button, &PictureButton::clicked, button, [&site, onClick] { onClick(site); });
            inKeyboardOrder.append(button);
        }
    }
    return inKeyboardOrder;
}

}  // namespace vellory
