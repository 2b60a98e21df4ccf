"""Vestrilo finds number and time expressions in text (numbers in digits, words or
Chinese numerals, digit-by-digit figures, fractions, percentages, ordinals,
weekdays, dates, clock times) and translates each one between Chinese and English.

    >>> import vestrilo
    >>> vestrilo.Extractor("C2E").pairs("会议 于 三点 开始")
    [('三点', "three o'clock")]

str lines are UTF-8 text; bytes lines are GBK and give bytes results. Chinese
input is word-segmented (words separated by spaces).
"""

from ._vestrilo import Entity, Extractor, __version__, extract_file

__all__ = ["Entity", "Extractor", "extract_file", "__version__"]
