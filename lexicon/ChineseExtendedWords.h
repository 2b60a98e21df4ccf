// Word knowledge of the extended Chinese rules: the characters they read as
// others (traditional and financial numerals, full-width digits and signs).
//
// Everything is GBK at run time (the sources are compiled with
// -fexec-charset=GBK); each Chinese character below is two bytes.
#pragma once

#include <string_view>

#include "lexicon/Lexicon.h"

namespace vestrilo {

// Characters read as another wherever they stand: the traditional forms of the
// numerals, magnitudes and of the unit words the rules look for, the financial
// numerals that are never anything else, 〇, and the full-width digits. The
// rules then read one spelling of each (萬 as 万, 兩個 as 两个, ２００８ as 2008).
inline constexpr TaggedMap readingVariantMap{
    "<萬>(万)<億>(亿)<兩>(两)<倆>(两)<俩>(两)<點>(点)<個>(个)<幾>(几)<負>(负)<時>(时)<號>(号)<週>(周)"
    "<鐘>(钟)<〇>(零)<壹>(一)<贰>(二)<貳>(二)<叁>(三)<仟>(千)<佰>(百)"
    "<０>(0)<１>(1)<２>(2)<３>(3)<４>(4)<５>(5)<６>(6)<７>(7)<８>(8)<９>(9)"};

// Financial numerals that are ordinary characters too (參數, 队伍, 收拾, 登陆):
// read as numerals only beside another numeral or magnitude (肆佰陸拾), or
// beside a 点 that has one on its other side (伍拾壹点肆).
inline constexpr TaggedMap financialNumeralMap{
    "<參>(三)<肆>(四)<伍>(五)<陆>(六)<陸>(六)<柒>(七)<捌>(八)<玖>(九)<拾>(十)"};

// Full-width signs read as ASCII beside digits: the percent sign after a
// digit, the point and the slash between two, the minus before one.
inline constexpr std::string_view fullWidthPercent{"％"};
inline constexpr std::string_view fullWidthMinus{"－"};
inline constexpr TaggedMap fullWidthSignMap{"<％>(%)<．>(.)<／>(/)<－>(-)"};

// Measure words and units that a numeral counts, in both spellings: a numeral
// fused with one of them into one segmented word (三个, 兩種, 十处, 三杯) is a
// number, and so is an ordinal (第三个). 个 also before a noun glued to it
// (一个包), unless the word starts with one of uncountedWordList.
inline constexpr LexiconList measureWordList{
    "<个><次><行><种><種><条><條><位><份><首><组><組><列><台><臺><项><項><声><聲><段><步><片><尺><丈><寸>"
    "<夜><秒><曲><节><節><句><家><套><页><頁><处><處><块><塊><串><篇><只><隻><对><對><枝><杯><件><倍><支>"
    "<回><层><層><部><类><類><卷><遍><匹><岁><歲><代><张><張><门><門><辆><輛><架><艘><株><粒><滴><笔><筆>"
    "<幅><扇><盏><盞><轮><輪><场><場><趟><顿><頓><阵><陣><名><座><所><棵><朵><颗><顆><双><雙><批><群><堆>"
    "<瓶><碗><盒><袋><箱><本><根><把><封><章><栏><欄><维><維><者><位数><位數><字节><字節><天><周>"
    "<星期><小时><小時><分钟><分鐘><秒钟><秒鐘><个月><周年><世纪><世紀><届><屆><期><人><瓢><日><年>"};
inline constexpr std::string_view generalMeasureWord{"个"};
// Words of a numeral and a measure word that count nothing (四周
// "surroundings"), and the words 个 starts that are no measure word (一 个人).
inline constexpr LexiconList uncountedWordList{"<四周><个人><个子><个头><个别><个性><个体><个中>"};
// Words that end with a numeral that counts nothing (飘零 "wither", 独一无二
// "unique"); 半 at the end of a word is no number either (夜半, 多半).
inline constexpr LexiconList numeralEndingIdiomList{"<飘零><飄零><凋零><独一无二><獨一無二>"};

// The words after which 一 with a measure word counts nothing a translator
// renders: 最后 一次 "the last time", 最后 一行 "the last line", 哪 一个
// "which", 这 一组 "this", 同 一个 "the same".
inline constexpr LexiconList uncountedOneAfterList{"<最后><最後><最近><哪><这><這><同>"};

// Words that 一 standing alone before them makes an adverb or a conjunction
// with (一 些 "some", 一 直 "always", 一 但 written for 一旦 "once"): no count.
inline constexpr LexiconList oneAdverbNextList{
    "<但><旦><些><直><切><般><律><再><向><起><同><样><樣><并><併><齐><齊>"};

// 次 after a numeral counts times, but before these words it is a degree
// (三次 贝塞尔 曲线 "cubic Bézier curve", 二次 方程 "quadratic equation", 九次 方
// "the ninth power"): no count.
inline constexpr std::string_view timesWord{"次"};
inline constexpr LexiconList degreeNounList{"<贝塞尔><貝塞爾><曲线><曲線><方程><方程式><多项式><多項式><样条><樣條><方><幂><冪>"};

// Clock times. A numeral with 点 or 时 is a time of day only with evidence
// (这 一点 "this point", 一时 "for a while", 设为 0 时 "when set to 0"): 点钟,
// minutes after it, a date, a weekday or one of these words before it. The
// parts of the day tell the hour's half of the day: a for a.m., p for p.m., n
// for the night (a.m. up to five, p.m. from six, twelve is midnight), d for
// midday (twelve is noon, p.m. after it, a.m. before).
inline constexpr TaggedMap dayPartMap{
    "<上午>(a)<早上>(a)<早晨>(a)<清晨>(a)<今早>(a)<明早>(a)<下午>(p)<傍晚>(p)<晚上>(p)<今晚>(p)<明晚>(p)"
    "<昨晚>(p)<黄昏>(p)<凌晨>(n)<半夜>(n)<深夜>(n)<午夜>(n)<夜里>(n)<夜間>(n)<夜间>(n)<中午>(d)<正午>(d)"};
inline constexpr LexiconList clockDayWordList{
    "<今天><明天><昨天><后天><前天><每天><每日><当天><當天><次日><当日><今日><明日><每晚><每早>"};
// Prepositions of time before 点 (于 三点 "at three o'clock"); not before 一点,
// which is "a bit" or "a point" far more often than one o'clock.
inline constexpr LexiconList clockPrepositionList{"<于><於><在><到><至><从><從><直到><约><約><大约><大約>"};
// Words right after the hour that make it one (三点 整, 三点 左右).
inline constexpr LexiconList clockAfterWordList{"<整><左右><钟><正><半>"};
inline constexpr std::string_view clockWithBell{"点钟"};
// Two quarters after the hour are half past (两点二刻 "two thirty").
inline constexpr TaggedMap twoQuartersMap{"<二刻>(半)<两刻>(半)"};
inline constexpr LexiconList twoQuartersCountList{"<二><两>"};
inline constexpr std::string_view secondUnit{"秒"};
inline constexpr std::string_view amSuffix{"a.m."};
inline constexpr std::string_view pmSuffix{"p.m."};
inline constexpr std::string_view noonWord{"noon"};
inline constexpr std::string_view midnightWord{"midnight"};

// Numbers that are labels, not quantities: a number after these words names a
// table, figure or example (表 9.11, 图 3).
inline constexpr LexiconList labelWordList{"<表><图><圖><例>"};
// The point inside a number, and the year unit a dotted number does not take.
inline constexpr std::string_view asciiPoint{"."};

// Approximations: 多, 余, 几 or 来 right after a magnitude of a numeral (十多万,
// 三百余, 二十几, 十来个) make it approximate. The value is the rendering of
// the numeral without it: m puts "more than" before it, a "about", o "-odd"
// after it (a 几 followed by another magnitude, 十几万, is "more than").
inline constexpr TaggedMap approximationMap{"<多>(m)<余>(m)<餘>(m)<几>(o)<来>(a)<來>(a)"};
inline constexpr std::string_view moreThanEnglish{"more than "};
inline constexpr std::string_view aboutEnglish{"about "};
inline constexpr std::string_view oddEnglish{"-odd"};

// Bounds: a count with 以上 after it or 多于 before it, each a word of its own
// (两个 以上 "two or more", 多于 一个 "more than one").
inline constexpr TaggedMap boundAfterMap{"<以上>( or more)"};
inline constexpr TaggedMap boundBeforeMap{"<多于>(more than )<多於>(more than )<少于>(less than )<少於>(less than )"};
inline constexpr LexiconList boundMarkerList{"<以上><多于><多於><少于><少於>"};

// Units written in Latin letters glued to digits (30GiB, 512MB, 2GHz): the
// quantity is digits, its own translation. Letters alone after digits are
// too often code (8.5tcl, %2s) to be read.
inline constexpr LexiconList latinUnitList{
    "<KB><kB><MB><GB><TB><PB><KiB><MiB><GiB><TiB><Kbps><kbps><Mbps><Gbps><Hz><kHz><KHz><MHz><GHz><ms><bit><bits>"};

// A date written with hyphens (2013 - 03 - 03) is given in that form.
inline constexpr std::string_view dateHyphen{"-"};

// A word of 几 or 好几 and a measure word counts a few (几条 "a few", 好几个
// "several").
inline constexpr TaggedMap severalWordMap{"<好几>(several)<几>(a few)"};
inline constexpr std::string_view severalMarker{"几"};
// In a question 几 asks "how many" (茴字 有 几种 写法 ？): the clause ends at
// one of clauseEndList, a question at one of questionMarkList.
inline constexpr LexiconList clauseEndList{"<。><，><；><！><,><;><!><：><:>"};
inline constexpr LexiconList questionMarkList{"<？><?><吗><嗎><呢>"};

// The numeral of each digit, 0 to 9, for fractions written with digits.
inline constexpr std::string_view numeralByDigit{"零一二三四五六七八九"};

// Fractions with digits (１６分之5 "five sixteenths", 3/4 "three quarters",
// 百分之3.2 "3.2%"), mixed numbers with 又 (三又五分之一 "three and one fifth"),
// and percentage points (六个百分点 "six percentage points").
inline constexpr std::string_view fractionSlash{"/"};
inline constexpr std::string_view mixedNumberWord{"又"};
inline constexpr std::string_view andEnglish{" and "};
inline constexpr std::string_view percentagePointWord{"百分点"};
inline constexpr std::string_view countedPercentagePointWord{"个百分点"};
inline constexpr std::string_view percentagePointsEnglish{" percentage points"};
inline constexpr std::string_view percentagePointEnglish{" percentage point"};

// Tenths with a digit after them (七成六 "seventy-six percent", 三成半
// "thirty-five percent"), and price discounts with 折: 八折 is eighty percent of
// the price, "20% off"; 八五折 and 75折 are 85 percent, "15% off".
inline constexpr std::string_view discountWord{"折"};
inline constexpr std::string_view percentOffEnglish{"% off"};
// 折 is a discount only beside 打 (打 八折) or in a line about prices; else it
// is a turn or a fold (百步 九折 "nine turns in a hundred steps").
inline constexpr std::string_view discountVerb{"打"};
inline constexpr LexiconList priceWordList{
    "<价><價><价格><價格><价钱><價錢><原价><原價><售价><售價><元><块钱><塊錢><优惠><優惠><折扣><促销><促銷><打折>"
    "<出售><销售><銷售><购买><購買><商品><降价><降價><特价><特價><商场><商場>"};

// Other words of the common era, read as 公元 (纪元前221年 "221 B.C.").
inline constexpr TaggedMap eraAliasMap{"<纪元>(公元)<紀元>(公元)<西元>(公元)"};
inline constexpr std::string_view eraAliasBefore{"前"};

// Decades: a multiple of ten with 年代 (80 年代 "the 80s", 1980年代 "the
// 1980s", 九十年代 "the nineties").
inline constexpr std::string_view decadeChineseWord{"年代"};
inline constexpr std::string_view decadeEnglish{"the "};
inline constexpr TaggedMap decadeNameMap{
    "<二十>(twenties)<三十>(thirties)<四十>(forties)<五十>(fifties)<六十>(sixties)<七十>(seventies)"
    "<八十>(eighties)<九十>(nineties)"};

// 万亿, ten thousand hundred-millions: a trillion (二十万亿 "twenty trillion").
inline constexpr std::string_view trillionChineseWord{"万亿"};

// The zeros of each magnitude that digits after it fill (3万4000, 1千零1).
inline constexpr TaggedMap magnitudeZerosMap{"<十>(1)<百>(2)<千>(3)<万>(4)"};

// Abbreviated numerals: 半百 "half a hundred" is fifty; a hundred or a thousand
// with one digit from 三 on after it (百三, 千五) counts that digit in the next
// place (一百三十, 一千五百); 万一 is "in case", 百二 the poets' "two against a
// hundred"; 两 after them is the measure word (千两 "a thousand taels"). 一打
// is a dozen, but not before 就, 便 or 即 (好鼓 一打 就响 "the drum sounds at
// one beat"); other counts with 打 are rarely dozens in text.
inline constexpr TaggedMap abbreviatedNumeralMap{"<半百>(五十)"};
inline constexpr LexiconList leadingMagnitudeList{"<百><千>"};
inline constexpr LexiconList abbreviatedDigitList{"<三><四><五><六><七><八><九><两>"};
inline constexpr std::string_view aDozenWord{"一打"};
inline constexpr std::string_view aDozenEnglish{"a dozen"};
inline constexpr LexiconList assoonAsList{"<就><便><即>"};

// The words without a numeral, magnitude or 几 at their start that the pass
// over whole words acts on (signs, ranges, fractions, discounts, 之一, 好几).
inline constexpr LexiconList wordPassMarkerList{"<负><到><至><分之><折><之一><好几><以上><多于><多於><少于><少於>"};

// Ranges: two numbers of the same kind with one of these words between them
// (512 到 4096, 1 至 2, 三 到 五) are one range, "512 to 4096".
inline constexpr LexiconList rangeWordList{"<到><至>"};
inline constexpr std::string_view rangeEnglish{" to "};

// Negative numbers: the minus sign (the full-width one is read as it) or 负
// right before a number, after a Chinese word (设 为 - 1, 负三十二). The
// rendering keeps the style of the number: -1, -3.9%, minus thirty-two.
inline constexpr std::string_view negativeWord{"负"};
inline constexpr std::string_view asciiMinus{"-"};
inline constexpr std::string_view minusEnglish{"minus "};

// 三, which with 两 after it (三两) is 两三 "two or three".
inline constexpr std::string_view numeralThree{"三"};

// 之一 "one of": 一 fused with the 之 before it.
inline constexpr std::string_view oneOfWord{"之一"};
inline constexpr std::string_view oneOfMarker{"之"};

}  // namespace vestrilo
