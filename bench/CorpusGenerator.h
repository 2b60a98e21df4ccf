// Generates realistic test corpora for both directions: word-segmented GBK
// Chinese and plain English, one sentence per line, a mix of sentences with
// and without number and time expressions. The output depends only on the
// seed (own random generator, no library distributions), so a benchmark run
// and a test see the same bytes on every machine.
//
// Compile with -finput-charset=UTF-8 -fexec-charset=GBK: the Chinese words
// below become GBK bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace vestrilo::bench {

enum class Language { Chinese, English };

class CorpusGenerator {
 public:
  // dense: every sentence carries several expressions (for the long-line case).
  CorpusGenerator(Language language, std::uint64_t seed, bool dense = false)
      : language_(language), state_(mix(seed ^ 0x5DEECE66Dull)), dense_(dense) {}

  // Appends one sentence and its line feed.
  void appendLine(std::string& out) {
    if (language_ == Language::Chinese)
      chineseLine(out);
    else
      englishLine(out);
    out += '\n';
  }

  // Appends whole lines until out has grown by at least `bytes`.
  void appendLines(std::string& out, std::size_t bytes) {
    const std::size_t target = out.size() + bytes;
    while (out.size() < target) appendLine(out);
  }

 private:
  using Words = std::vector<const char*>;

  // splitmix64: small, fast and the same everywhere. The seed is scrambled
  // first: consecutive seeds would otherwise give the same stream shifted by
  // one step.
  static std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::uint64_t next() { return mix(state_ += 0x9E3779B97F4A7C15ull); }
  // Uniform in [0, n).
  std::uint64_t below(std::uint64_t n) { return n == 0 ? 0 : next() % n; }
  // Uniform in [lo, hi].
  long long between(long long lo, long long hi) {
    return lo + static_cast<long long>(below(static_cast<std::uint64_t>(hi - lo + 1)));
  }
  bool chance(int percent) { return below(100) < static_cast<std::uint64_t>(percent); }
  const char* pick(const Words& w) { return w[below(w.size())]; }
  // A value with roughly log-uniform size: small numbers are common, large
  // ones rare and varied, as in real text.
  long long skewed(int maxDigits) {
    const int digits = 1 + static_cast<int>(below(below(static_cast<std::uint64_t>(maxDigits)) + 1));
    long long lo = 1;
    for (int i = 1; i < digits; ++i) lo *= 10;
    return between(lo, lo * 10 - 1);
  }

  // ---------------------------------------------------------------- Chinese

  static const char* cnDigit(int d) {
    static const char* const digits[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    return digits[d];
  }

  // 1..9999 in Chinese numerals; `leading` allows 十五 instead of 一十五.
  void cnSmall(std::string& out, int n, bool leading) {
    static const char* const units[] = {"", "十", "百", "千"};
    const int digits[] = {n % 10, n / 10 % 10, n / 100 % 10, n / 1000 % 10};
    bool started = false, zero = false;
    for (int pos = 3; pos >= 0; --pos) {
      const int d = digits[pos];
      if (d == 0) {
        if (started) zero = true;
        continue;
      }
      if (zero) out += "零";
      zero = false;
      if (pos == 1 && d == 1 && !started && leading) {
        out += "十";
      } else {
        out += (d == 2 && pos >= 2 && chance(40)) ? "两" : cnDigit(d);
        out += units[pos];
      }
      started = true;
    }
  }

  // 1..999999999999 in Chinese numerals with 万 and 亿.
  void cnNumber(std::string& out, long long n, bool leading = true) {
    if (n >= 100000000) {
      cnNumber(out, n / 100000000, leading);
      out += "亿";
      const long long rest = n % 100000000;
      if (rest) {
        if (rest < 10000000) out += "零";
        cnNumber(out, rest, false);
      }
    } else if (n >= 10000) {
      cnSmall(out, static_cast<int>(n / 10000), leading);
      out += "万";
      const int rest = static_cast<int>(n % 10000);
      if (rest) {
        if (rest < 1000) out += "零";
        cnSmall(out, rest, false);
      }
    } else if (n > 0) {
      cnSmall(out, static_cast<int>(n), leading);
    } else {
      out += "零";
    }
  }

  // Digit by digit (一九九八, 二〇〇四).
  void cnFigure(std::string& out, long long n, bool circleZero) {
    const std::string digits = std::to_string(n);
    for (char c : digits) out += (c == '0' && circleZero) ? "〇" : cnDigit(c - '0');
  }

  void cnDate(std::string& out) {
    const int year = static_cast<int>(chance(85) ? between(1949, 2030) : between(1000, 2100));
    const int month = static_cast<int>(between(1, 12)), day = static_cast<int>(between(1, 31));
    switch (below(12)) {
      case 0: out += std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日"; break;
      case 1: out += std::to_string(year) + "年 " + std::to_string(month) + "月 " + std::to_string(day) + "日"; break;
      case 2: cnFigure(out, year, true); out += "年"; cnNumber(out, month); out += "月"; cnNumber(out, day); out += "日"; break;
      case 3: cnFigure(out, year, false); out += "年"; break;
      case 4: out += std::to_string(year) + "年"; break;
      case 5: cnNumber(out, month); out += "月"; cnNumber(out, day); out += "日"; break;
      case 6: out += std::to_string(month) + "月" + std::to_string(day) + "日"; break;
      case 7: cnNumber(out, month); out += "月份"; break;
      case 8: out += "公元前" + std::to_string(between(100, 999)) + "年"; break;
      case 9: cnNumber(out, month); out += "月"; cnNumber(out, day); out += "号"; break;
      case 10: out += std::to_string(year) + "年 " + std::to_string(month) + "月"; break;
      default: cnNumber(out, month); out += "月"; cnNumber(out, day); break;
    }
  }

  void cnClock(std::string& out) {
    static const Words prefixes = {"上午 ", "下午 ", "晚上 ", "凌晨 ", "中午 ", "", "", ""};
    out += pick(prefixes);
    const int hour = static_cast<int>(between(1, 12)), minute = static_cast<int>(between(1, 59));
    switch (below(10)) {
      case 0: cnNumber(out, hour); out += "点"; break;
      case 1: cnNumber(out, hour); out += "点半"; break;
      case 2: cnNumber(out, hour); out += "点"; cnNumber(out, minute); out += "分"; break;
      case 3: {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02d：%02d", static_cast<int>(between(0, 23)), minute);
        out += buf;
        break;
      }
      case 4: cnNumber(out, hour); out += "点零"; cnNumber(out, between(1, 9)); out += "分"; break;
      case 5: out += std::to_string(hour) + "点" + std::to_string(minute) + "分"; break;
      case 6: cnNumber(out, hour); out += chance(50) ? "点一刻" : "点三刻"; break;
      case 7: cnNumber(out, hour); out += "点钟"; break;
      case 8: out += std::to_string(hour) + "点"; break;
      default: cnNumber(out, hour); out += "点"; cnNumber(out, between(10, 59)); break;
    }
  }

  void cnFraction(std::string& out) {
    switch (below(9)) {
      case 0: {
        const long long denominator = between(2, 10);
        cnNumber(out, denominator);
        out += "分之";
        cnNumber(out, between(1, denominator - 1));
        break;
      }
      case 1: out += "百分之"; cnNumber(out, between(1, 100)); break;
      case 2: out += std::to_string(between(1, 99)) + "%"; break;
      case 3: out += std::to_string(between(1, 99)) + "." + std::to_string(between(1, 9)) + "%"; break;
      case 4: cnNumber(out, between(1, 9)); out += "成"; break;
      case 5: out += chance(50) ? "七八成" : "三四成"; break;
      case 6: out += "百分之"; cnNumber(out, between(1, 99)); out += "点"; cnNumber(out, between(1, 9)); break;
      case 7: out += std::to_string(between(1, 9)) + "成"; break;
      default: out += "千分之"; cnNumber(out, between(1, 9)); break;
    }
  }

  void cnArabicWithUnit(std::string& out) {
    switch (below(5)) {
      case 0: out += std::to_string(skewed(4)) + "万"; break;
      case 1: out += std::to_string(between(1, 99)) + "." + std::to_string(between(1, 9)) + "亿"; break;
      case 2: out += std::to_string(skewed(4)) + "千万"; break;
      case 3: out += std::to_string(between(1, 9)) + "万" + std::to_string(between(1, 9)) + "千"; break;
      default: out += std::to_string(skewed(3)) + "亿"; break;
    }
  }

  void cnArabic(std::string& out) {
    switch (below(5)) {
      case 0: out += std::to_string(skewed(6)); break;
      case 1: out += std::to_string(between(1, 999)) + "." + std::to_string(between(0, 99)); break;
      case 2: out += std::to_string(between(1, 999)) + "," + std::to_string(between(100, 999)); break;
      case 3: out += std::to_string(between(1, 99)); break;
      default: out += std::to_string(between(1, 9999)); break;
    }
  }

  void cnOrdinal(std::string& out) {
    switch (below(4)) {
      case 0: out += "第"; cnNumber(out, skewed(2)); break;
      case 1: out += "第 "; cnNumber(out, skewed(2)); break;
      case 2: out += "第" + std::to_string(skewed(3)); break;
      default: out += "第 " + std::to_string(skewed(2)); break;
    }
  }

  void cnWeek(std::string& out) {
    static const Words days = {"星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期天",
                               "星期日", "周一", "周二", "周三", "周四", "周五", "周六", "周日", "每周五"};
    out += pick(days);
  }

  // One number or time expression, as it stands in segmented text.
  void cnEntity(std::string& out) {
    switch (below(14)) {
      case 0: case 1: cnNumber(out, skewed(4)); out += ' '; out += pick(cnMeasures()); break;
      case 2: cnNumber(out, skewed(9)); out += ' '; out += pick(cnMeasures()); break;
      case 3: cnDate(out); break;
      case 4: cnDate(out); break;
      case 5: cnClock(out); break;
      case 6: cnFraction(out); break;
      case 7: cnArabicWithUnit(out); out += " 元"; break;
      case 8: cnArabic(out); out += ' '; out += pick(cnMeasures()); break;
      case 9: cnOrdinal(out); out += ' '; out += pick(cnMeasures()); break;
      case 10: cnWeek(out); break;
      case 11: cnFigure(out, between(1000, 9999999), chance(30)); out += " 号"; break;
      case 12: cnNumber(out, between(1, 99)); out += "点"; cnNumber(out, between(1, 99)); break;  // decimal
      default: {
        static const Words latin = {"MP3", "3G", "GDP", "CPU", "4S", "iPhone", "WTO", "A380", "USB", "DNA"};
        out += pick(latin);
        break;
      }
    }
  }

  static const Words& cnMeasures() {
    static const Words w = {"个", "名", "人", "次", "年", "岁", "元", "公里", "吨", "家", "项", "件",
                            "台", "辆", "届", "位", "天", "倍", "座", "种", "条", "米", "亩", "张"};
    return w;
  }
  static const Words& cnSubjects() {
    static const Words w = {"我们", "他", "她", "公司", "政府", "代表团", "记者", "专家", "学生", "委员会",
                            "该 市", "全国", "银行", "工厂", "医院", "中国", "北京", "上海", "球队", "这 家 企业"};
    return w;
  }
  static const Words& cnVerbs() {
    static const Words w = {"召开", "举行", "完成", "达到", "增加", "减少", "参加", "发布", "提出", "建设",
                            "开始", "结束", "访问", "签订", "通过", "宣布", "实现", "投资", "出口", "表示"};
    return w;
  }
  static const Words& cnNouns() {
    static const Words w = {"会议", "项目", "工程", "经济", "市场", "产品", "问题", "计划", "合同", "报告",
                            "比赛", "活动", "发展", "改革", "技术", "人口", "收入", "价格", "企业", "学校",
                            "城市", "农村", "教育", "文化", "历史", "国家", "世界", "地区", "社会", "工作"};
    return w;
  }
  static const Words& cnFiller() {
    static const Words w = {"的", "了", "在", "是", "和", "对", "也", "都", "将", "已经", "正在", "进一步",
                            "有关", "主要", "重要", "新", "大", "一些", "统一", "十分", "这个", "那些",
                            "一直", "一起", "成为", "为", "从", "到", "向", "把", "被", "与", "及", "等"};
    return w;
  }
  static const Words& cnPunct() {
    static const Words w = {"。", "。", "。", "！", "？", "；"};
    return w;
  }

  void cnWord(std::string& out) {
    switch (below(4)) {
      case 0: out += pick(cnNouns()); break;
      case 1: out += pick(cnVerbs()); break;
      default: out += pick(cnFiller()); break;
    }
  }

  void cnWords(std::string& out, int n) {
    for (int i = 0; i < n; ++i) {
      cnWord(out);
      out += ' ';
    }
  }

  void chineseLine(std::string& out) {
    const int kind = static_cast<int>(below(100));
    if (!dense_ && kind < 30) {
      // Plain sentence without any expression.
      out += pick(cnSubjects());
      out += ' ';
      cnWords(out, static_cast<int>(between(4, 22)));
      if (chance(30)) {
        out += "， ";
        cnWords(out, static_cast<int>(between(3, 12)));
      }
      out += pick(cnPunct());
      return;
    }
    // A sentence built from a template with slots.
    switch (below(12)) {
      case 0:
        cnDate(out); out += " ， "; out += pick(cnSubjects()); out += " 在 北京 "; out += pick(cnVerbs());
        out += " 了 "; cnOrdinal(out); out += " 次 代表 大会 。";
        break;
      case 1:
        out += "会议 于 "; cnClock(out); out += " 开始 ， 共有 "; cnNumber(out, skewed(4)); out += " 名 代表 参加 。";
        break;
      case 2:
        out += "今年 "; cnNumber(out, between(1, 12)); out += "月 ， "; out += pick(cnSubjects());
        out += " 的 销售额 达到 "; cnArabicWithUnit(out); out += " 元 ， 比 去年 增长 "; cnFraction(out); out += " 。";
        break;
      case 3:
        cnWeek(out); out += ' '; cnClock(out); out += " ， "; out += pick(cnSubjects()); out += " 乘坐 ";
        out += std::to_string(between(1, 2000)); out += " 次 列车 前往 上海 。";
        break;
      case 4:
        out += pick(cnSubjects()); out += " 有 "; cnFraction(out); out += " 的 "; out += pick(cnNouns());
        out += " 来自 农村 ， "; cnFraction(out); out += " 来自 城市 。";
        break;
      case 5:
        out += "截至 "; cnDate(out); out += " ， 全 市 人口 达 "; cnArabic(out); out += " 万 人 ， 其中 ";
        cnNumber(out, skewed(3)); out += " 万 人 居住 在 城区 。";
        break;
      case 6:
        out += "该 工程 于 "; cnDate(out); out += " 开工 ， 投资 "; cnArabicWithUnit(out);
        out += " 元 ， 预计 "; cnFigure(out, between(1990, 2030), chance(40)); out += "年 完工 。";
        break;
      case 7:
        out += "他 在 "; cnOrdinal(out); out += " 届 比赛 中 以 "; cnNumber(out, between(1, 10)); out += "点";
        cnNumber(out, between(1, 99)); out += " 秒 的 成绩 获得 "; cnOrdinal(out); out += " 名 。";
        break;
      case 8:
        out += pick(cnSubjects()); out += ' '; cnWords(out, static_cast<int>(between(2, 6)));
        cnEntity(out); out += ' '; cnWords(out, static_cast<int>(between(2, 8))); out += "， ";
        cnEntity(out); out += ' '; cnWords(out, static_cast<int>(between(1, 5))); out += pick(cnPunct());
        break;
      case 9:
        out += "（ "; cnDate(out); out += " ） "; out += pick(cnSubjects()); out += " 今天 "; out += pick(cnVerbs());
        out += " “ "; out += pick(cnNouns()); out += " ” ， 涉及 金额 "; cnArabic(out); out += " 元 。";
        break;
      case 10:
        out += "记者 从 有关 部门 获悉 ， "; cnDate(out); out += ' '; cnClock(out); out += " ， ";
        cnNumber(out, skewed(3)); out += " 辆 汽车 通过 了 检查 站 。";
        break;
      default:
        cnWords(out, static_cast<int>(between(1, 4))); cnEntity(out); out += ' ';
        cnWords(out, static_cast<int>(between(1, 4))); cnEntity(out); out += ' ';
        cnWords(out, static_cast<int>(between(1, 4))); cnEntity(out); out += ' ';
        out += pick(cnPunct());
        break;
    }
  }

  // ---------------------------------------------------------------- English

  static const char* enUnit(int n) {
    static const char* const units[] = {"zero",    "one",     "two",       "three",    "four",
                                        "five",    "six",     "seven",     "eight",    "nine",
                                        "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                                        "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
    return units[n];
  }
  static const char* enTens(int n) {
    static const char* const tens[] = {"", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"};
    return tens[n];
  }

  // 1..99 in words, "twenty-five" or "twenty five".
  void enBelow100(std::string& out, int n, bool hyphen) {
    if (n < 20) {
      out += enUnit(n);
      return;
    }
    out += enTens(n / 10);
    if (n % 10) {
      out += hyphen ? "-" : " ";
      out += enUnit(n % 10);
    }
  }

  // 1..999999999 in words, with or without "and".
  void enWords(std::string& out, long long n) {
    const bool hyphen = chance(60), useAnd = chance(50);
    static const char* const scales[] = {"billion", "million", "thousand", ""};
    static const long long sizes[] = {1000000000ll, 1000000ll, 1000ll, 1ll};
    bool first = true;
    for (int s = 0; s < 4; ++s) {
      const int part = static_cast<int>(n / sizes[s] % 1000);
      if (part == 0) continue;
      if (!first) out += ' ';
      if (part >= 100) {
        out += (part / 100 == 1 && first && chance(20)) ? "a" : enUnit(part / 100);
        out += " hundred";
        if (part % 100) {
          out += useAnd ? " and " : " ";
          enBelow100(out, part % 100, hyphen);
        }
      } else {
        enBelow100(out, part, hyphen);
      }
      if (*scales[s]) {
        out += ' ';
        out += scales[s];
      }
      first = false;
    }
  }

  void enDigits(std::string& out) {
    switch (below(5)) {
      case 0: out += std::to_string(skewed(6)); break;
      case 1: out += std::to_string(between(1, 999)) + "," + std::to_string(between(100, 999)); break;
      case 2: out += std::to_string(between(0, 99)) + "." + std::to_string(between(0, 99)); break;
      case 3: out += std::to_string(between(1, 99)); break;
      default: out += std::to_string(between(1900, 2030)); break;
    }
  }

  static const char* ordinalSuffix(long long n) {
    if (n % 100 >= 11 && n % 100 <= 13) return "th";
    switch (n % 10) {
      case 1: return "st";
      case 2: return "nd";
      case 3: return "rd";
      default: return "th";
    }
  }

  void enOrdinal(std::string& out) {
    static const Words words = {"first",  "second",  "third",  "fourth",  "fifth",    "sixth",
                                "seventh", "eighth", "ninth",  "tenth",   "eleventh", "twelfth",
                                "twentieth", "thirtieth", "hundredth"};
    switch (below(4)) {
      case 0: out += pick(words); break;
      case 1: {
        const long long n = skewed(3);
        out += std::to_string(n) + ordinalSuffix(n);
        break;
      }
      case 2: out += enTens(static_cast<int>(between(2, 9))); out += chance(50) ? "-" : " "; out += pick(words) ; break;
      default: out += "one hundred and first"; break;
    }
  }

  static const Words& enMonths() {
    static const Words w = {"January", "February", "March", "April", "May", "June", "July", "August",
                            "September", "October", "November", "December", "Jan.", "Feb.", "Aug.",
                            "Sept.", "Oct.", "Nov.", "Dec."};
    return w;
  }
  static const Words& enFullMonths() {
    static const Words w = {"January", "February", "April", "June", "July", "August",
                            "September", "October", "November", "December"};
    return w;
  }

  void enDate(std::string& out) {
    const long long year = chance(85) ? between(1949, 2030) : between(1000, 2100);
    const long long day = between(1, 31);
    switch (below(8)) {
      case 0: out += pick(enMonths()); out += ' ' + std::to_string(day) + ", " + std::to_string(year); break;
      case 1: out += pick(enMonths()); out += ' ' + std::to_string(day); break;
      case 2: out += std::to_string(day) + ' '; out += pick(enFullMonths()); out += ' ' + std::to_string(year); break;
      case 3: out += "the " + std::to_string(day) + ordinalSuffix(day) + " of "; out += pick(enFullMonths()); break;
      case 4: out += pick(enFullMonths()); out += ' ' + std::to_string(year); break;
      case 5: out += std::to_string(day) + ordinalSuffix(day) + ' '; out += pick(enFullMonths()); break;
      case 6: out += pick(enFullMonths()); out += ' ' + std::to_string(day) + ordinalSuffix(day); break;
      default: out += std::to_string(between(100, 999)) + " B.C."; break;
    }
  }

  void enClock(std::string& out) {
    const int hour = static_cast<int>(between(1, 12));
    switch (below(12)) {
      case 0: out += "half past "; out += enUnit(hour); break;
      case 1: out += enUnit(hour); out += ' '; enBelow100(out, static_cast<int>(between(10, 58)), chance(50));
        out += chance(50) ? " p.m." : " a.m."; break;
      case 2: enBelow100(out, static_cast<int>(between(1, 25)), true); out += " to "; out += enUnit(hour); break;
      case 3: out += enUnit(hour); out += " o'clock"; break;
      case 4: {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%d:%02d", static_cast<int>(between(0, 23)), static_cast<int>(between(0, 59)));
        out += buf;
        break;
      }
      case 5: out += "a quarter past "; out += enUnit(hour); break;
      case 6: enBelow100(out, static_cast<int>(between(1, 29)), true); out += chance(50) ? " past " : " after ";
        out += enUnit(hour); break;
      case 7: {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%d:%02d p.m.", hour, static_cast<int>(between(0, 59)));
        out += buf;
        break;
      }
      case 8: out += "a quarter to "; out += enUnit(hour); break;
      case 9: out += "at "; out += enUnit(hour); break;
      case 10: out += enUnit(hour); out += " thirty"; break;
      default: out += enUnit(hour); out += " a.m."; break;
    }
  }

  void enFraction(std::string& out) {
    static const Words denominators = {"thirds", "fourths", "fifths", "sixths", "eighths", "tenths"};
    switch (below(8)) {
      case 0: out += enUnit(static_cast<int>(between(2, 9))); out += ' '; out += pick(denominators); break;
      case 1: out += "one - third"; break;
      case 2: out += std::to_string(between(1, 99)) + " %"; break;
      case 3: out += std::to_string(between(1, 99)) + "%"; break;
      case 4: out += enUnit(static_cast<int>(between(1, 19))); out += " percent"; break;
      case 5: out += std::to_string(between(1, 99)) + "." + std::to_string(between(1, 9)) + " percent"; break;
      case 6: out += "one third"; break;
      default: out += std::to_string(between(1, 99)) + "." + std::to_string(between(1, 9)) + "%"; break;
    }
  }

  void enMagnitude(std::string& out) {
    static const Words mags = {"million", "billion", "thousand", "hundred"};
    if (chance(60)) {
      out += std::to_string(skewed(3));
    } else {
      enBelow100(out, static_cast<int>(between(1, 99)), chance(50));
    }
    out += ' ';
    out += pick(mags);
  }

  void enFigure(std::string& out) {
    const int n = static_cast<int>(between(3, 7));
    for (int i = 0; i < n; ++i) {
      if (i) out += ' ';
      out += enUnit(static_cast<int>(between(0, 9)));
    }
  }

  static const Words& enWeekdays() {
    static const Words w = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    return w;
  }

  void enEntity(std::string& out) {
    switch (below(12)) {
      case 0: case 1: enWords(out, skewed(4)); break;
      case 2: enWords(out, skewed(9)); break;
      case 3: enDigits(out); break;
      case 4: enOrdinal(out); break;
      case 5: out += pick(enWeekdays()); break;
      case 6: case 7: enDate(out); break;
      case 8: case 9: enClock(out); break;
      case 10: enFraction(out); break;
      default: if (chance(60)) enMagnitude(out); else enFigure(out); break;
    }
  }

  static const Words& enSubjects() {
    static const Words w = {"the company", "the government", "he", "she", "we", "the committee", "the bank",
                            "our team", "the city", "the minister", "the report", "the school", "they",
                            "the delegation", "the factory", "the market"};
    return w;
  }
  static const Words& enVerbs() {
    static const Words w = {"said", "reported", "announced", "reached", "opened", "signed", "completed",
                            "visited", "expected", "increased", "reduced", "approved", "started", "closed"};
    return w;
  }
  static const Words& enNouns() {
    static const Words w = {"meeting", "project", "economy", "market", "product", "problem", "plan",
                            "contract", "report", "match", "people", "students", "workers", "price",
                            "income", "school", "city", "country", "world", "region", "dollars", "tons",
                            "kilometers", "years", "visitors", "cars", "houses", "copies"};
    return w;
  }
  static const Words& enFiller() {
    static const Words w = {"the", "of", "and", "to", "in", "a", "for", "with", "on", "that", "by",
                            "from", "at", "about", "new", "more", "than", "last", "this", "its",
                            "after", "before", "under", "over", "may", "one", "can", "will", "very"};
    return w;
  }

  void enWordsPlain(std::string& out, int n) {
    for (int i = 0; i < n; ++i) {
      out += ' ';
      switch (below(4)) {
        case 0: out += pick(enNouns()); break;
        case 1: out += pick(enVerbs()); break;
        default: out += pick(enFiller()); break;
      }
    }
  }

  void enSubject(std::string& out) {
    const std::size_t at = out.size();
    out += pick(enSubjects());
    if (out[at] >= 'a' && out[at] <= 'z') out[at] = static_cast<char>(out[at] - 32);
  }

  void englishLine(std::string& out) {
    // Half of the lines are tokenized as machine-translation corpora often
    // are (punctuation set apart), half are plain prose.
    const bool tokenized = chance(50);
    const char* stop = tokenized ? " ." : ".";
    const char* comma = tokenized ? " ," : ",";
    if (!dense_ && below(100) < 30) {
      enSubject(out);
      enWordsPlain(out, static_cast<int>(between(4, 20)));
      if (chance(30)) {
        out += comma;
        enWordsPlain(out, static_cast<int>(between(3, 10)));
      }
      out += stop;
      return;
    }
    switch (below(12)) {
      case 0:
        out += "On "; enDate(out); out += comma; out += ' '; out += pick(enSubjects()); out += " held its ";
        enOrdinal(out); out += " annual meeting"; out += stop;
        break;
      case 1:
        out += "The meeting starts at "; enClock(out); out += " and "; enWords(out, skewed(3));
        out += " delegates will attend"; out += stop;
        break;
      case 2:
        out += "Sales reached "; enMagnitude(out); out += " dollars in "; out += pick(enFullMonths());
        out += comma; out += " up "; enFraction(out); out += " from last year"; out += stop;
        break;
      case 3:
        out += "On "; out += pick(enWeekdays()); out += " at "; enClock(out); out += comma;
        out += " the train left for Shanghai with "; enDigits(out); out += " passengers"; out += stop;
        break;
      case 4:
        enSubject(out); out += " said "; enFraction(out); out += " of the "; out += pick(enNouns());
        out += " came from the countryside"; out += stop;
        break;
      case 5:
        out += "By "; enDate(out); out += comma; out += " the population had reached "; enDigits(out);
        out += comma; out += " of whom "; enWords(out, skewed(5)); out += " live in the city"; out += stop;
        break;
      case 6:
        out += "Work began on "; enDate(out); out += " and will cost "; enMagnitude(out);
        out += " dollars"; out += stop;
        break;
      case 7:
        out += "He finished "; enOrdinal(out); out += " in "; enDigits(out); out += " seconds on ";
        out += pick(enWeekdays()); out += stop;
        break;
      case 8:
        enSubject(out); enWordsPlain(out, static_cast<int>(between(2, 6))); out += ' '; enEntity(out);
        enWordsPlain(out, static_cast<int>(between(2, 8))); out += comma; out += ' '; enEntity(out);
        enWordsPlain(out, static_cast<int>(between(1, 5))); out += stop;
        break;
      case 9:
        out += "( "; enDate(out); out += " ) "; out += pick(enSubjects()); out += " signed a contract worth ";
        enDigits(out); out += " dollars"; out += stop;
        break;
      case 10:
        out += "From "; enWords(out, between(1, 12)); out += " to "; enWords(out, between(1, 12));
        out += " people waited until "; enClock(out); out += stop;
        break;
      default:
        enSubject(out); enWordsPlain(out, static_cast<int>(between(1, 4))); out += ' '; enEntity(out);
        enWordsPlain(out, static_cast<int>(between(1, 4))); out += ' '; enEntity(out);
        enWordsPlain(out, static_cast<int>(between(1, 4))); out += ' '; enEntity(out); out += stop;
        break;
    }
  }

  Language language_;
  std::uint64_t state_;
  bool dense_;
};

// `bytes` or a little more of whole lines from one seed.
inline std::string generateCorpus(Language language, std::uint64_t seed, std::size_t bytes, bool dense = false) {
  std::string out;
  out.reserve(bytes + 512);
  CorpusGenerator(language, seed, dense).appendLines(out, bytes);
  return out;
}

}  // namespace vestrilo::bench
