"""Vestrilo finds number and time expressions in text (numbers in digits, words or
Chinese numerals, digit-by-digit figures, fractions, percentages, ordinals,
weekdays, dates, clock times) and translates each one between Chinese and English.

    >>> import vestrilo
    >>> vestrilo.Extractor("C2E").pairs("会议 于 三点 开始")
    [Pair(source='三点', translation="three o'clock", candidate=False)]

str lines are UTF-8 text; bytes lines are GBK (or the extractor's encoding) and
give bytes results. Chinese input is word-segmented (words separated by spaces).
A Pair unpacks and compares as the tuple (source, translation).
"""

from ._vestrilo import KINDS, Entity, Extractor, Pair, Registry, __version__, extract_file, reduce_block

__all__ = ["Entity", "Extractor", "KINDS", "Pair", "Registry", "extract_file", "reduce_block", "__version__"]
