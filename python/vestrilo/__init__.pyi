from os import PathLike
from typing import Iterable, List, Literal, Optional, Tuple, TypeVar, Union, overload

__version__: str

_Text = TypeVar("_Text", str, bytes)

Kind = Literal[
    "Number",
    "Figure",
    "Ordinal",
    "Week",
    "Date",
    "Clock",
    "Arabic",
    "ArabicWithUnit",
    "Fractional",
    "MonthDate",
    "DayDate",
    "Units",
    "Tens",
    "WordNumber",
    "Fraction",
    "ArabicMagnitude",
    "FigureOrClock",
    "ClockOrNumber",
]
KINDS: Tuple[Kind, ...]

Rendering = Literal["tags", "html", "translated-tags", "translated-html", "pairs-html"]
Encoding = Literal["GBK", "UTF-8", "gbk", "utf-8"]
Rules = Literal["classic", "extended"]

class Pair(Tuple[_Text, _Text]):
    """One translation pair; unpacks and compares as (source, translation)."""
    def __new__(cls, source: _Text, translation: _Text, candidate: bool = ...) -> "Pair[_Text]": ...
    @property
    def source(self) -> _Text: ...
    @property
    def translation(self) -> _Text: ...
    @property
    def candidate(self) -> bool: ...

_PairLike = Union[Pair[_Text], Tuple[_Text, _Text], Tuple[_Text, _Text, bool]]

class Entity:
    """One entity of a line; line[start:end] == text."""
    @property
    def start(self) -> int: ...
    @property
    def end(self) -> int: ...
    @property
    def kind(self) -> Kind: ...
    @property
    def text(self) -> Union[str, bytes]: ...
    @property
    def translation(self) -> Union[str, bytes]: ...
    @property
    def candidate(self) -> Optional[Union[str, bytes]]: ...

class Registry:
    """The pairs written so far, and the rule that decides which pairs are written."""
    def __init__(self) -> None: ...
    def admit(self, pairs: Iterable[_PairLike[_Text]]) -> List[Pair[_Text]]: ...
    @staticmethod
    def reduce(pairs: Iterable[_PairLike[_Text]]) -> List[Pair[_Text]]: ...
    def admit_block(self, block: bytes) -> bytes: ...
    def __contains__(self, pair: _PairLike[_Text]) -> bool: ...
    def __len__(self) -> int: ...
    def clear(self) -> None: ...

class Extractor:
    """Recognition and translation of lines in one direction, with a registry of the pairs it has given."""
    def __init__(self, direction: Literal["C2E", "E2C"], encoding: Encoding = "GBK", rules: Rules = "classic") -> None: ...
    @property
    def direction(self) -> Literal["C2E", "E2C"]: ...
    @property
    def encoding(self) -> Literal["GBK", "UTF-8"]: ...
    @property
    def rules(self) -> Rules: ...
    def pairs(self, line: _Text) -> List[Pair[_Text]]: ...
    def pairs_many(self, lines: Iterable[_Text]) -> List[List[Pair[_Text]]]: ...
    def collect(self, line: _Text) -> List[Pair[_Text]]: ...
    def entities(self, line: Union[str, bytes]) -> List[Entity]: ...
    def render(self, line: _Text, rendering: Rendering, registry: Optional[Registry] = None) -> _Text: ...
    def reset(self) -> None: ...

def extract_file(
    direction: Literal["C2E", "E2C"],
    infile: Union[str, bytes, PathLike],
    outfile: Union[str, bytes, PathLike],
    encoding: Encoding = "GBK",
    threads: Optional[int] = None,
    rules: Rules = "classic",
) -> None: ...

def reduce_block(extractor: Extractor, lines: bytes, start_of_input: bool = False) -> bytes: ...
