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
inline constexpr std::string_view fullWidthPoint{"．"};
inline constexpr std::string_view fullWidthSlash{"／"};
inline constexpr std::string_view fullWidthMinus{"－"};
inline constexpr TaggedMap fullWidthSignMap{"<％>(%)<．>(.)<／>(/)<－>(-)"};

// Measure words and units that a numeral counts, in both spellings: a numeral
// fused with one of them into one segmented word (三个, 兩種, 十处, 三杯) is a
// number, and so is an ordinal (第三个). 个 also before a noun glued to it
// (一个包), unless the word is one of fusedCountExceptionList.
inline constexpr LexiconList measureWordList{
    "<个><次><行><种><種><条><條><位><份><首><组><組><列><台><臺><项><項><声><聲><段><步><片><尺><丈><寸>"
    "<夜><秒><曲><节><節><句><家><套><页><頁><处><處><块><塊><串><篇><只><隻><对><對><枝><杯><件><倍><支>"
    "<回><层><層><部><类><類><卷><遍><匹><岁><歲><代><张><張><门><門><辆><輛><架><艘><株><粒><滴><笔><筆>"
    "<幅><扇><盏><盞><轮><輪><场><場><趟><顿><頓><阵><陣><名><座><所><棵><朵><颗><顆><双><雙><批><群><堆>"
    "<瓶><碗><盒><袋><箱><本><根><把><封><章><栏><欄><维><維><者><位数><位數><字节><字節><天><周>"
    "<星期><小时><小時><分钟><分鐘><秒钟><秒鐘><个月><周年><世纪><世紀><届><屆><期><级><級><人><瓢><日><年>"};
inline constexpr std::string_view generalMeasureWord{"个"};
inline constexpr LexiconList fusedCountExceptionList{"<个人><个子><个头><个别><个性><个体><个中>"};

// The words after which 一 with a measure word counts nothing a translator
// renders: 最后 一次 "the last", 哪 一个 "which", 这 一组 "this", 同 一个 "the same".
inline constexpr LexiconList uncountedOneAfterList{"<最后><最後><最近><哪><这><這><同>"};

// 三, which with 两 after it (三两) is 两三 "two or three".
inline constexpr std::string_view numeralThree{"三"};

// 之一 "one of": 一 fused with the 之 before it.
inline constexpr std::string_view oneOfWord{"之一"};
inline constexpr std::string_view oneOfMarker{"之"};

}  // namespace vestrilo
