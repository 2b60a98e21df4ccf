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

}  // namespace vestrilo
