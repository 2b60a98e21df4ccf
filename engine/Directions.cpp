// The two directions: each is its sentence class, with its style table, behind
// the workspace written once over it, and the public kinds of its records.
#include "engine/Directions.h"

#include "chinese/ChineseStyle.h"
#include "engine/SentenceWorkspace.h"
#include "english/EnglishStyle.h"

namespace vestrilo {

namespace {

template <class Kind>
struct PublicKind {
  Kind kind;
  EntityKind entityKind;
};

constexpr PublicKind<ChineseEntityKind> chineseKinds[] = {
    {ChineseEntityKind::Number, EntityKind::Number},
    {ChineseEntityKind::Figure, EntityKind::Figure},
    {ChineseEntityKind::Ordinal, EntityKind::Ordinal},
    {ChineseEntityKind::Week, EntityKind::Week},
    {ChineseEntityKind::Date, EntityKind::Date},
    {ChineseEntityKind::Clock, EntityKind::Clock},
    {ChineseEntityKind::Arabic, EntityKind::Arabic},
    {ChineseEntityKind::ArabicWithUnit, EntityKind::ArabicWithUnit},
    {ChineseEntityKind::Fractional, EntityKind::Fractional},
};

constexpr PublicKind<EnglishEntityKind> englishKinds[] = {
    {EnglishEntityKind::Ordinal, EntityKind::Ordinal},
    {EnglishEntityKind::MonthDate, EntityKind::MonthDate},
    {EnglishEntityKind::Week, EntityKind::Week},
    {EnglishEntityKind::Clock, EntityKind::Clock},
    {EnglishEntityKind::Figure, EntityKind::Figure},
    {EnglishEntityKind::FigureOrClock, EntityKind::FigureOrClock},
    {EnglishEntityKind::Arabic, EntityKind::Arabic},
    {EnglishEntityKind::Tens, EntityKind::Tens},
    {EnglishEntityKind::WordNumber, EntityKind::WordNumber},
    {EnglishEntityKind::Fraction, EntityKind::Fraction},
    {EnglishEntityKind::ArabicMagnitude, EntityKind::ArabicMagnitude},
    {EnglishEntityKind::DayDate, EntityKind::DayDate},
    {EnglishEntityKind::Units, EntityKind::Units},
    {EnglishEntityKind::ClockOrNumber, EntityKind::ClockOrNumber},
};

template <class Kind, std::size_t N>
std::optional<EntityKind> find(const PublicKind<Kind> (&table)[N], Kind kind) {
  for (const PublicKind<Kind>& k : table)
    if (k.kind == kind) return k.entityKind;
  return std::nullopt;
}

template <class S>
std::unique_ptr<Workspace> make(const Options& options) {
  return std::make_unique<SentenceWorkspace<S>>(options);
}

}  // namespace

std::optional<EntityKind> entityKind(ChineseEntityKind kind) { return find(chineseKinds, kind); }
std::optional<EntityKind> entityKind(EnglishEntityKind kind) { return find(englishKinds, kind); }

WorkspaceMaker workspaceMaker(Direction direction) {
  return direction == Direction::ChineseToEnglish ? &make<ChineseSentence> : &make<EnglishSentence>;
}

}  // namespace vestrilo
