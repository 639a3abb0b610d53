#pragma once

// Every key of "setup.ini" with its section, type and default. Readers and writers of
// all subsystems go through these so that a key is spelt and defaulted in one place.
namespace setup {

struct BoolKey {
    const char* section;
    const char* key;
    bool fallback;
};
struct IntKey {
    const char* section;
    const char* key;
    int fallback;
};
struct TextKey {
    const char* section;
    const char* key;
    const char* fallback;
};
// A date; absent (no date) by default.
struct DateKey {
    const char* section;
    const char* key;
};

// Section "setup": start flags, grid and new-room defaults, undo depth.
inline constexpr BoolKey product1{"setup", "product1", true}; // normal products shown
inline constexpr BoolKey product2{"setup", "product2", true}; // out-of-stock products shown
inline constexpr BoolKey product3{"setup", "product3", true}; // discontinued products shown
inline constexpr BoolKey runIE{"setup", "run_IE", true};
inline constexpr BoolKey autoCreateRoom{"setup", "autocreateroom", true};
inline constexpr IntKey gw{"setup", "gw", 300};
inline constexpr IntKey gh{"setup", "gh", 300};
inline constexpr IntKey roomw{"setup", "roomw", 300};
inline constexpr IntKey roomh{"setup", "roomh", 300};
inline constexpr IntKey roomstyle{"setup", "roomstyle", 0};
inline constexpr IntKey history{"setup", "history", 20};
// Minutes between automatic copies of the open project; 0 turns them off.
inline constexpr IntKey autosaveMinutes{"setup", "autosave", 3};
// "吊顶高度(cm)": the 3D view's ceiling of a room without one of its own.
inline constexpr IntKey ceilingHeight{"setup", "ceilingheight", 260};
inline constexpr IntKey glen{"setup", "Glen", 100};
// Millimetres every saw cut of the cutting list takes.
inline constexpr IntKey sawKerf{"setup", "sawkerf", 0};
inline constexpr DateKey backup{"setup", "backup"};
inline constexpr TextKey v5dbpath{"setup", "v5dbpath", ""};

// Section "store": which customer store the program uses, the local file (the default) or
// a PostgreSQL server. The password is kept elsewhere (password_keeper).
inline constexpr BoolKey storeServer{"store", "server", false};
inline constexpr TextKey storeHost{"store", "host", ""};
inline constexpr IntKey storePort{"store", "port", 5432};
inline constexpr TextKey storeDatabase{"store", "database", ""};
inline constexpr TextKey storeUser{"store", "user", ""};

// Section "search": keys "1" to "10", the product search history.
inline constexpr const char* searchSection = "search";
inline constexpr int searchEntriesRead = 10;

// Section "PRO": project numbering and discounts.
inline constexpr TextKey proqianzui{"PRO", "proqianzui", ""};
inline constexpr IntKey index{"PRO", "INDEX", 0};
inline constexpr IntKey indexLen{"PRO", "INDEXlen", 4};
// The settings window writes the digit count under this spelling; it is the same key.
inline constexpr IntKey indexLenWritten{"PRO", "INDEXLEN", 4};
inline constexpr IntKey zk{"PRO", "zk", 100};
inline constexpr IntKey minzk{"PRO", "minzk", 90};

// Section "reg": accessory defaults, kept as the decimal text typed. Three names do not
// follow their meaning and stay as they are, since files in use depend on them.
inline constexpr TextKey jxlong{"reg", "jxlong", "0"};               // keel length per m²
inline constexpr TextKey jxlongprice{"reg", "jxlongprice", "0"};     // keel price per m
inline constexpr TextKey jxdiao{"reg", "jxdiao", "0"};               // triangle keel length per m²
inline constexpr TextKey jxsjlong{"reg", "jxsjlong", "0"};           // triangle keel price per m
inline constexpr TextKey jxjie{"reg", "jxjie", "0"};                 // connectors per m²
inline constexpr TextKey jxsjlongprice{"reg", "jxsjlongprice", "0"}; // hangers per m²
inline constexpr TextKey jxinstallprice{"reg", "jxinstallprice", "0"}; // installation fee per m²
inline constexpr TextKey shoubianPrice{"reg", "shoubian_price", "0"};  // edge trim price per m
inline constexpr TextKey minnumber{"reg", "minnumber", "1"};           // minimum coverage, per cent
inline constexpr BoolKey autosb{"reg", "autosb", false};

// Section "Reg" (one section with "reg"): the installation's company values.
inline constexpr IntKey compid{"Reg", "compid", 0};
inline constexpr IntKey trueComp{"Reg", "true_comp", 0};
inline constexpr IntKey compstyle{"Reg", "compstyle", 0};
inline constexpr TextKey url{"Reg", "url", "https://www.yanzhou-diaoding.cn"};

// Section "zdy": last ids handed out in the custom catalogue range.
inline constexpr IntKey maxc{"zdy", "MAXC", 100000};
inline constexpr IntKey maxx{"zdy", "MAXX", 100000};
inline constexpr IntKey maxp{"zdy", "MAXP", 100000};

// Section "dealer": the dealer details printed on the pages, empty until the dealer
// enters them on the settings window.
inline constexpr TextKey dealerHeading{"dealer", "heading", ""};
inline constexpr TextKey dealerSubHeading{"dealer", "subheading", ""};
inline constexpr TextKey dealerAddress{"dealer", "address", ""};
inline constexpr TextKey dealerPhone1{"dealer", "phone1", ""};
inline constexpr TextKey dealerPhone2{"dealer", "phone2", ""};
inline constexpr TextKey dealerRemark{"dealer", "remark", ""};

} // namespace setup
