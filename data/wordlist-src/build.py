#!/usr/bin/env python3
"""Builds data/latein.lst (Windows-1252, CR LF) from the book sources beside this script.

Source format, one item per line ("//" starts a comment line, blank lines are ignored):
  @12                             the lesson the following lines belong to (book 3: code 1..40)
  amare | amo, amavi, amatum | lieben; gern haben
                                  a new entry: head word | additions (";" between, up to 4)
                                  | German meanings (";" between, up to 5)
  liber~2 | libri m. | Buch       "~n" keeps homographs apart; the shipped head word is "liber"
  + amare, liber~2                words of an earlier lesson or book that occur here again

Entries are written in the order they first appear (book 1, then 2, then 3).  The script checks
what the dictionary relies on (line length, markers, list lengths, lesson ranges) and the fill
of every lesson; on any fault it lists them all and leaves latein.lst as it was.

Usage: build.py            check and write ../latein.lst
       build.py --partial  the same without the lesson fill check (while a book is being written)
       build.py --heads    only print the head words, one a line
       build.py --words    only print the Latin words of head words and additions, one a line,
                           each once (for check-spelling.sh)
"""
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "latein.lst")
BOOKS = {1: (60, 15), 2: (50, 10), 3: (40, 5)}  # lessons per book, fewest words per lesson
MOST_WORDS = 30
MAX_LINE = 46
LESSON_MARK = "%"


class Entry:
    def __init__(self, key, additions, meanings, where):
        self.key = key
        self.head = key.split("~")[0]
        self.additions = additions
        self.meanings = meanings
        self.places = []
        self.where = where


def parse(errors):
    entries, by_key = [], {}
    for book in (1, 2, 3):
        path = os.path.join(HERE, "book%d.txt" % book)
        lesson = None
        if not os.path.exists(path):  # a book not yet written: its lessons fail the fill check
            continue
        with open(path, encoding="utf-8") as f:
            for number, raw in enumerate(f, 1):
                line = raw.strip()
                where = "book%d.txt:%d" % (book, number)
                if not line or line.startswith("//"):
                    continue
                if line.startswith("@"):
                    lesson = int(line[1:])
                    if not 1 <= lesson <= BOOKS[book][0]:
                        errors.append("%s: lesson %d out of range" % (where, lesson))
                    continue
                if lesson is None:
                    errors.append("%s: no lesson set" % where)
                    continue
                if line.startswith("+"):
                    for key in (k.strip() for k in line[1:].split(",")):
                        entry = by_key.get(key)
                        if entry is None:
                            errors.append("%s: repeated word %r unknown" % (where, key))
                        elif any(b == book for b, _ in entry.places):
                            errors.append("%s: %r already in book %d" % (where, key, book))
                        else:
                            entry.places.append((book, lesson))
                    continue
                fields = [p.strip() for p in line.split("|")]
                if len(fields) != 3:
                    errors.append("%s: expected three fields" % where)
                    continue
                key = fields[0]
                if key in by_key:
                    errors.append("%s: %r already defined at %s" % (where, key, by_key[key].where))
                    continue
                additions = [a.strip() for a in fields[1].split(";") if a.strip()]
                meanings = [m.strip() for m in fields[2].split(";") if m.strip()]
                entry = Entry(key, additions, meanings, where)
                entry.places.append((book, lesson))
                if len(additions) > 4:
                    errors.append("%s: more than 4 additions" % where)
                if not 1 <= len(meanings) <= 5:
                    errors.append("%s: 1 to 5 meanings needed" % where)
                for text in [entry.head] + additions + meanings:
                    if text[:1] in ("#", "=", "$") and text is not entry.head:
                        errors.append("%s: line begins with a marker: %r" % (where, text))
                    if len(text) + (1 if text is entry.head else 0) > MAX_LINE:
                        errors.append("%s: line longer than %d: %r" % (where, MAX_LINE, text))
                    try:
                        text.encode("cp1252")
                    except UnicodeEncodeError:
                        errors.append("%s: not Windows-1252: %r" % (where, text))
                by_key[key] = entry
                entries.append(entry)
    return entries


def check_fill(entries, errors):
    counts = {}
    for entry in entries:
        for place in entry.places:
            counts[place] = counts.get(place, 0) + 1
    for book, (lessons, fewest) in BOOKS.items():
        for lesson in range(1, lessons + 1):
            n = counts.get((book, lesson), 0)
            if not fewest <= n <= MOST_WORDS:
                errors.append("book %d lesson %d: %d words (%d..%d wanted)"
                              % (book, lesson, n, fewest, MOST_WORDS))
    return counts


def render(entries):
    lines = []
    for e in entries:
        lines.append("#" + e.head)
        lines.extend(e.additions)
        lines.append("=")
        lines.extend(e.meanings)
        lines.append("$" + " / ".join(str(b) for b, _ in e.places))
        lines.append(LESSON_MARK + " / ".join(str(l) for _, l in e.places))
    for line in lines:
        assert len(line) <= MAX_LINE, line
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


# German abbreviations and notes of the additions, which are not Latin.
NOT_LATIN = set("m f n Pl Gen Akk Dat Abl Ind Konj Perf Adj Subst indekl auch vor Konsonant "
                "wohin wo angehängt nachgestellt als wenn sooft da weil obwohl oft wie".split())


def latin_words(entries):
    seen, words = set(), []
    for e in entries:
        for text in [e.head] + e.additions:
            for word in re.findall(r"[A-Za-zäöüßÄÖÜ]+", text):
                if word not in NOT_LATIN and word not in seen:
                    seen.add(word)
                    words.append(word)
    return words


def main():
    errors = []
    entries = parse(errors)
    if "--heads" in sys.argv:
        for e in entries:
            print(e.head)
        return 0
    if "--words" in sys.argv:
        print("\n".join(latin_words(entries)))
        return 0
    fill_errors = []
    counts = check_fill(entries, fill_errors)
    if "--partial" not in sys.argv:  # while a book is being written, its empty lessons are known
        errors += fill_errors
    if errors:
        print("\n".join(errors), file=sys.stderr)
        print("%d problems; latein.lst not written" % len(errors), file=sys.stderr)
        return 1
    with open(OUT, "wb") as f:
        f.write(render(entries))
    repeated = sum(1 for e in entries if len({b for b, _ in e.places}) > 1)
    per_book = {b: sum(n for (bb, _), n in counts.items() if bb == b) for b in BOOKS}
    print("%d entries, %d in several books, words per book %s" % (len(entries), repeated, per_book))
    return 0


if __name__ == "__main__":
    sys.exit(main())
