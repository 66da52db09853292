#pragma once
// Captions of both menu languages (UTF-8) and the hints of the control-area labels. A caption carries its
// accelerator as "&": before the letter in English, as a "(&X)" suffix in Japanese. Every Japanese text is
// kept exactly as designed, half-width katakana and all.

#include <array>

#include "engine/Sounds.h"

struct MenuCaption {
    const char* english;
    const char* japanese;
};

constexpr const char* MenuText(const MenuCaption& caption, bool japanese) {
    return japanese ? caption.japanese : caption.english;
}

inline constexpr MenuCaption kSoundMenu = {"&Sound", "楽器(&S)"};

// The Sound menu's entries: 16 instrument groups, then the percussion entry.
inline constexpr std::array<MenuCaption, 17> kSoundEntries = {{
    {"&Piano", "ﾋﾟｱﾉ(&P)"},
    {"&Chromatic Percussion", "ﾒﾛﾃﾞｨｰ打楽器(&C)"},
    {"&Organ", "ｵﾙｶﾞﾝ(&O)"},
    {"&Guitar", "ｷﾞﾀｰ(&G)"},
    {"&Bass", "ﾍﾞｰｽ(&B)"},
    {"&Strings", "弦楽器(&S)"},
    {"&Ensemble", "ｱﾝｻﾝﾌﾞﾙ(&E)"},
    {"Br&ass", "金管楽器(&A)"},
    {"&Reed", "木管楽器(ﾘｰﾄﾞ)(&R)"},
    {"P&ipe", "木管楽器(ﾊﾟｲﾌﾟ)(&I)"},
    {"Synth &Lead", "ｼﾝｾ ﾘｰﾄﾞ(&L)"},
    {"Synth Pa&d", "ｼﾝｾ ﾊﾟｯﾄﾞ(&D)"},
    {"Synth &FX", "ｼﾝｾ FX(&F)"},
    {"E&thnic", "民族楽器(&T)"},
    {"Dru&m", "ﾄﾞﾗﾑ(&M)"},
    {"So&und Effects", "効果音(&U)"},
    {"Percussio&n", "ﾊﾟｰｶｯｼｮﾝ(&N)"},
}};

inline constexpr std::array<MenuCaption, 128> kInstruments = {{
    {"&Acoustic grand piano", "ｸﾞﾗﾝﾄﾞ ﾋﾟｱﾉ(&A)"},
    {"&Bright acoustic piano", "ﾌﾞﾗｲﾄ ﾋﾟｱﾉ(&B)"},
    {"&Electric grand piano", "ｴﾚｸﾄﾘｯｸ ﾋﾟｱﾉ(&E)"},
    {"&Honky-tonk piano", "ﾎﾝｷｰ ﾄﾝｸ ﾋﾟｱﾉ(&H)"},
    {"&Rhodes piano", "ﾛｰﾃﾞｽ ﾋﾟｱﾉ(&R)"},
    {"&Chorused piano", "ｺｰﾗｽ ﾋﾟｱﾉ(&C)"},
    {"Harp&sichord", "ﾊｰﾌﾟｼｺｰﾄﾞ(&S)"},
    {"C&lavinet", "ｸﾗﾋﾞﾈｯﾄ(&L)"},
    {"C&elesta", "ｾﾚｽﾀ(&E)"},
    {"&Glockenspiel", "ｸﾞﾛｯｹﾝｼｭﾋﾟｰﾙ(&G)"},
    {"&Music box", "ﾐｭｰｼﾞｯｸ ﾎﾞｯｸｽ(&M)"},
    {"&Vibraphone", "ﾋﾞﾌﾞﾗﾌｫﾝ(&V)"},
    {"M&arimba", "ﾏﾘﾝﾊﾞ(&A)"},
    {"&Xylophone", "木琴(&X)"},
    {"&Tubular bells", "ﾁｭｰﾌﾞ ﾍﾞﾙ(&T)"},
    {"&Dulcimer", "ﾀﾞﾙｼﾏｰ(&D)"},
    {"&Hammond organ", "ﾊﾓﾝﾄﾞ ｵﾙｶﾞﾝ(&H)"},
    {"&Percussive organ", "ﾊﾟｰｶｯｼﾌﾞ ｵﾙｶﾞﾝ(&P)"},
    {"&Rock organ", "ﾛｯｸ ｵﾙｶﾞﾝ(&R)"},
    {"&Church organ", "教会 ｵﾙｶﾞﾝ(&C)"},
    {"R&eed organ", "ﾘｰﾄﾞ ｵﾙｶﾞﾝ(&E)"},
    {"&Accordion", "ｱｺｰﾃﾞｨｵﾝ(&A)"},
    {"Har&monica", "ﾊｰﾓﾆｶ(&M)"},
    {"&Tango accordion", "ﾀﾝｺﾞ ｱｺｰﾃﾞｨｵﾝ(&T)"},
    {"Acoustic guitar (&nylon)", "ｱｺｰｽﾃｨｯｸ ｷﾞﾀｰ(ﾅｲﾛﾝ)(&N)"},
    {"Acoustic guitar (&steel)", "ｱｺｰｽﾃｨｯｸ ｷﾞﾀｰ(ｽﾁｰﾙ)(&S)"},
    {"Electric guitar (&jazz)", "ｴﾚｸﾄﾘｯｸ ｷﾞﾀｰ(ｼﾞｬｽﾞ)(&J)"},
    {"Electric guitar (&clean)", "ｴﾚｸﾄﾘｯｸ ｷﾞﾀｰ(ｸﾘｰﾝ)(&C)"},
    {"Electric guitar (&muted)", "ｴﾚｸﾄﾘｯｸ ｷﾞﾀｰ(ﾐｭｰﾄ)(&M)"},
    {"&Overdriven guitar", "ｵｰﾊﾞｰ ﾄﾞﾗｲﾌﾞ ｷﾞﾀｰ(&O)"},
    {"&Distortion guitar", "ﾃﾞｨｽﾄｰｼｮﾝ ｷﾞﾀｰ(&D)"},
    {"Guitar &harmonics", "ｷﾞﾀｰ ﾊｰﾓﾆｸｽ(&H)"},
    {"&Acoustic bass", "ｱｺｰｽﾃｨｯｸ ﾍﾞｰｽ(&A)"},
    {"Electric bass (&finger)", "ｴﾚｸﾄﾘｯｸ ﾍﾞｰｽ(指)(&F)"},
    {"Electric bass (&pick)", "ｴﾚｸﾄﾘｯｸ ﾍﾞｰｽ(ﾋﾟｯｸ)(&P)"},
    {"F&retless bass", "ﾌﾚｯﾄﾚｽ ﾍﾞｰｽ(&R)"},
    {"&Slap bass 1", "ｽﾗｯﾌﾟ ﾍﾞｰｽ 1(&S)"},
    {"S&lap bass 2", "ｽﾗｯﾌﾟ ﾍﾞｰｽ 2(&L)"},
    {"S&ynth bass 1", "ｼﾝｾ ﾍﾞｰｽ 1(&Y)"},
    {"Sy&nth bass 2", "ｼﾝｾ ﾍﾞｰｽ 2(&N)"},
    {"&Violin", "ﾊﾞｲｵﾘﾝ(&V)"},
    {"V&iola", "ﾋﾞｵﾗ(&I)"},
    {"&Cello", "ﾁｪﾛ(&C)"},
    {"Contra&bass", "ｺﾝﾄﾗ ﾊﾞｽ(&B)"},
    {"&Tremolo strings", "ﾄﾚﾓﾛ ｽﾄﾘﾝｸﾞｽ(&T)"},
    {"&Pizzicato strings", "ﾋﾟﾁｶｰﾄ ｽﾄﾘﾝｸﾞｽ(&P)"},
    {"&Orchestral harp", "ﾊｰﾌﾟ(&O)"},
    {"Ti&mpani", "ﾃｨﾝﾊﾟﾆ(&M)"},
    {"&String ensemble 1", "ｽﾄﾘﾝｸﾞ ｱﾝｻﾝﾌﾞﾙ 1(&S)"},
    {"S&tring ensemble 2", "ｽﾄﾘﾝｸﾞ ｱﾝｻﾝﾌﾞﾙ 2(&T)"},
    {"S&ynth. strings 1", "ｼﾝｾ ｽﾄﾘﾝｸﾞｽ 1(&Y)"},
    {"Sy&nth. strings 2", "ｼﾝｾ ｽﾄﾘﾝｸﾞｽ 2(&N)"},
    {"&Choir Aahs", "聖歌隊(ｱｰ)(&C)"},
    {"&Voice Oohs", "声(ｵｰ)(&V)"},
    {"Syn&th voice", "ｼﾝｾ ﾎﾞｲｽ(&T)"},
    {"&Orchestra hit", "ｵｰｹｽﾄﾗ ﾋｯﾄ(&O)"},
    {"&Trumpet", "ﾄﾗﾝﾍﾟｯﾄ(&T)"},
    {"T&rombone", "ﾄﾛﾝﾎﾞｰﾝ(&R)"},
    {"T&uba", "ﾁｭｰﾊﾞ(&U)"},
    {"&Muted trumpet", "ﾐｭｰﾄ ﾄﾗﾝﾍﾟｯﾄ(&M)"},
    {"&French horn", "ﾌﾚﾝﾁ ﾎﾙﾝ(&F)"},
    {"Brass &section", "ﾌﾞﾗｽ ｾｸｼｮﾝ(&S)"},
    {"S&ynth. brass 1", "ｼﾝｾ ﾌﾞﾗｽ 1(&Y)"},
    {"Sy&nth. brass 2", "ｼﾝｾ ﾌﾞﾗｽ 2(&N)"},
    {"&Soprano sax", "ｿﾌﾟﾗﾉ ｻｯｸｽ(&S)"},
    {"&Alto sax", "ｱﾙﾄ ｻｯｸｽ(&A)"},
    {"&Tenor sax", "ﾃﾅｰ ｻｯｸｽ(&T)"},
    {"&Baritone sax", "ﾊﾞﾘﾄﾝ ｻｯｸｽ(&B)"},
    {"&Oboe", "ｵｰﾎﾞｴ(&O)"},
    {"&English horn", "ｲﾝｸﾞﾘｯｼｭ ﾎﾙﾝ(&E)"},
    {"Bassoo&n", "ﾊﾞｽｰﾝ(&N)"},
    {"&Clarinet", "ｸﾗﾘﾈｯﾄ(&C)"},
    {"&Piccolo", "ﾋﾟｯｺﾛ(&P)"},
    {"&Flute", "ﾌﾙｰﾄ(&F)"},
    {"&Recorder", "ﾘｺｰﾀﾞｰ(&R)"},
    {"P&an flute", "ﾊﾟﾝ ﾌﾙｰﾄ(&A)"},
    {"&Bottle blow", "ﾎﾞﾄﾙ ﾌﾞﾛｰ(&B)"},
    {"&Shakuhachi", "尺八(&S)"},
    {"&Whistle", "ﾎｲｯｽﾙ(&W)"},
    {"&Ocarina", "ｵｶﾘﾅ(&O)"},
    {"&Square", "方形波(&S)"},
    {"S&awtooth", "のこぎり波(&A)"},
    {"&Calliope lead", "ｶﾘｵﾍﾟ ﾘｰﾄﾞ(&C)"},
    {"C&hiff lead", "ﾁﾌ ﾘｰﾄﾞ(&H)"},
    {"Cha&rang", "ｼｬﾗﾝｸﾞ (&R)"},
    {"&Voice", "ﾎﾞｲｽ(&V)"},
    {"&Fifths", "ﾌｨﾌｽ(&F)"},
    {"&Brass + lead", "ﾌﾞﾗｽ + ﾘｰﾄﾞ(&B)"},
    {"&New age", "ﾆｭｰ ｴｲｼﾞ(&N)"},
    {"&Warm", "ｳｫｰﾑ(&W)"},
    {"&Polysynth", "ﾎﾟﾘ ｼﾝｾ(&P)"},
    {"&Choir", "ｸﾜｲｱ(&C)"},
    {"&Bowed", "ﾎﾞｳ(&B)"},
    {"&Metallic", "ﾒﾀﾘｯｸ(&M)"},
    {"&Halo", "ﾊﾛｰ(&H)"},
    {"&Sweep", "ｽｲｰﾌﾟ(&S)"},
    {"&Ice Rain", "ｱｲｽ ﾚｲﾝ(&I)"},
    {"&Soundtrack", "ｻｳﾝﾄﾞ ﾄﾗｯｸ(&S)"},
    {"&Crystal", "ｸﾘｽﾀﾙ(&C)"},
    {"&Atmosphere", "大気(&A)"},
    {"&Brightness", "明るさ（&B)"},
    {"&Goblin", "お化け(&G)"},
    {"&Echo Drops", "ｴｺｰ ﾄﾞﾛｯﾌﾟ(&E)"},
    {"S&tar Theme", "星のﾃｰﾏ(&T)"},
    {"&Sitar", "ｼﾀｰﾙ(&S)"},
    {"&Banjo", "ﾊﾞﾝｼﾞｮｰ(&B)"},
    {"S&hamisen", "三味線(&H)"},
    {"&Koto", "琴(&K)"},
    {"K&alimba", "ｶﾘﾝﾊﾞ(&A)"},
    {"Bag &Pipe", "ﾊﾞｸﾞ ﾊﾟｲﾌﾟ(&P)"},
    {"&Fiddle", "ﾌｨﾄﾞﾙ(&F)"},
    {"Sha&nai", "ｼｬﾅｲ(&N)"},
    {"&Tinkle Bell", "ﾃｨﾝｸﾙ ﾍﾞﾙ(&T)"},
    {"&Agogo", "ｺﾞｰｺﾞｰ(&A)"},
    {"&Steel Drums", "ｽﾁｰﾙ ﾄﾞﾗﾑ(&S)"},
    {"&Woodblock", "ｳｯﾄﾞ ﾌﾞﾛｯｸ(&W)"},
    {"Tai&ko", "太鼓(&K)"},
    {"M&elodic Tom", "ﾒﾛﾃﾞﾞｨｯｸ ﾀﾑ(&E)"},
    {"S&ynth Drum", "ｼﾝｾ ﾄﾞﾗﾑ(&Y)"},
    {"&Reverse Cymbal", "逆回し ｼﾝﾊﾞﾙ(&R)"},
    {"&Guitar fret noise", "ｷﾞﾀｰ ﾌﾚｯﾄ ﾉｲｽﾞ(&G)"},
    {"&Breath noise", "ﾌﾞﾚｽ ﾉｲｽﾞ(&B)"},
    {"&Seashore", "海の波(&S)"},
    {"B&ird tweet", "鳥のさえずり(&I)"},
    {"&Telephone ring", "電話(&T)"},
    {"&Helicopter", "ﾍﾘｺﾌﾟﾀｰ(&H)"},
    {"&Applause", "拍手(&A)"},
    {"Gu&nshot", "ｶﾞﾝ ｼｮｯﾄ(&N)"},
}};

// The Japanese popup shortens Tag 9's caption; everywhere else the popups read like the Sound menus.
inline constexpr int kShortenedPopupTag = 9;
inline constexpr const char* kShortenedPopupCaption = "ｸﾞﾛｯｹﾝ(&G)";

// A tag outside 0..127 has no caption: the empty text.
constexpr const char* InstrumentCaption(int tag, bool japanese, bool popup) {
    if (tag < 0 || tag >= static_cast<int>(kInstruments.size()))
        return "";
    if (japanese && popup && tag == kShortenedPopupTag)
        return kShortenedPopupCaption;
    return MenuText(kInstruments[static_cast<std::size_t>(tag)], japanese);
}

inline constexpr MenuCaption kOptionsMenu = {"&Options", "ｵﾌﾟｼｮﾝ(&O)"};
inline constexpr MenuCaption kOctaveMenu = {"&Octave", "ｵｸﾀｰﾌﾞ(&O)"};
inline constexpr MenuCaption kHighItem = {"&High", "高(&H)"};
inline constexpr MenuCaption kLowItem = {"&Low", "低(&L)"};
inline constexpr MenuCaption kKeyBoardMenu = {"&KeyBoard", "ｷｰﾎﾞｰﾄﾞ(&K)"};
inline constexpr MenuCaption kJp106Item = {"106 &Japanese", "106 日本語(&J)"};
inline constexpr MenuCaption kPc98Item = {"&PC 98(NEC)", "&PC 98(NEC)"};
inline constexpr MenuCaption kEn101Item = {"101 &English", "101 英語(&E)"};
inline constexpr MenuCaption kMenuMenu = {"&Menu", "ﾒﾆｭｰ(&M)"};
inline constexpr MenuCaption kJapaneseItem = {"&Japanese", "日本語(&J)"};
inline constexpr MenuCaption kEnglishItem = {"&English", "英語(&E)"};
// The output chooser at the end of Options; its other entries are the ports' own names.
inline constexpr MenuCaption kSustainItem = {"&Sustain on Space", "ｽﾍﾟｰｽでｻｽﾃｨﾝ(&S)"};
inline constexpr MenuCaption kDynamicsItem = {"&Dynamics", "ﾀﾞｲﾅﾐｸｽ(&D)"};
inline constexpr MenuCaption kOutputMenu = {"O&utput", "出力先(&U)"};
inline constexpr MenuCaption kSynthItem = {"&Built-in synthesizer", "内蔵ｼﾝｾｻｲｻﾞｰ(&B)"};
// The box that tells of an output that stopped while the program runs.
inline constexpr MenuCaption kOutputLost = {
    "The MIDI output stopped. Choose an output under Options > Output.",
    "MIDI 出力が止まりました。「ｵﾌﾟｼｮﾝ」の「出力先」で出力先を選んでください。"};
inline constexpr MenuCaption kHelpMenu = {"&Help", "ﾍﾙﾌﾟ(&H)"};
inline constexpr MenuCaption kHelpItem = {"&Help", "ﾍﾙﾌﾟ(&H)"};
inline constexpr MenuCaption kSeparator = {"-", "-"};
inline constexpr MenuCaption kAboutItem = {"&About", "ﾊﾞｰｼﾞｮﾝ情報(&A)"};

struct HintData {
    const char* label;
    const char* english;
    const char* japanese;
};

// In the order UpdateHints sets them.
inline constexpr std::array<HintData, 6> kHints = {{
    {"ModLabel", "Modulation Depth", "ﾓｼﾞｭﾚｰｼｮﾝの深さ"},
    {"PosLabel", "Home Position", "ﾎｰﾑﾎﾟｼﾞｼｮﾝ"},
    {"VolLabel", "Volume", "ﾎﾞﾘｭｰﾑ"},
    {"PitLabel", "L_Button - Return  R_Button - Stay", "左ﾎﾞﾀﾝ - 戻る  右ﾎﾞﾀﾝ - 留まる"},
    {"OctLabel", "Octave Stop", "ｵｸﾀｰﾌﾞｽﾄｯﾌﾟ"},
    {"KeyLabel", "Key Note", "音程"},
}};
