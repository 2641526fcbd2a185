#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into fuzz/corpus/<target>/.

The seeds are the sample files, records at the edges of the format and the
entries the searches know as their hard cases, laid out the way each
target's FuzzedDataProvider reads them: the record first, then the field
texts (each ended by a backslash and one more character), and at the very
end the choice bytes, which the provider reads from the back.
"""
import hashlib
import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent
SAMPLES = HERE.parent / "samples"
CORPUS = HERE / "corpus"
RECORD_SIZE = 2560


def record(texts=(), positions=None, fill=0.0):
    """A record of seven length-prefixed Windows-1252 text fields and 96 doubles."""
    data = bytearray()
    for i in range(7):
        raw = texts[i] if i < len(texts) else b""
        field = bytes([len(raw)]) + raw
        data += field.ljust(256, b"\0")
    values = positions if positions is not None else [fill] * 96
    data += struct.pack("<96d", *values)
    assert len(data) == RECORD_SIZE
    return bytes(data)


SAMPLE = (SAMPLES / "mueller-juergen.dat").read_bytes()
ANNA = (SAMPLES / "weiss-anna.dat").read_bytes()


def provider_input(rec, texts=(), choices=()):
    """The bytes a FuzzedDataProvider turns into `rec`, then `texts` (in the
    order they are consumed), with `choices` (one byte each, in the order
    they are consumed) read from the back."""
    front = b""
    for text in texts:
        raw = text.encode() if isinstance(text, str) else text
        front += raw.replace(b"\\", b"\\\\") + b"\\|"
    return rec + front + bytes(reversed(list(choices)))


def write(target, seeds):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.iterdir():
        old.unlink()
    for data in seeds:
        name = hashlib.sha1(data).hexdigest()
        (folder / name).write_bytes(data)


def transit_file_seeds():
    edge = [1e308, -1e308, -0.0, 359.999999999, 5e-324, 360.0, -5.0, 720.0]
    long_text = bytes(range(1, 256))  # 255 bytes: every control character, 0x81 … 0xFF
    return [
        SAMPLE,
        ANNA,
        SAMPLE + b"\xab" * 1000,
        b"",
        b"\0",
        b"\0" * (RECORD_SIZE - 1),
        b"\0" * RECORD_SIZE,
        b"\xff" * RECORD_SIZE,
        record(positions=[edge[i % len(edge)] for i in range(96)]),
        record(texts=[long_text] * 7, fill=359.999999999),
        record(texts=[b"../boese", b"J\xfcrgen\r\nX", b"M\xfcnchen", b"5.3.07", b"9:30"], fill=1e308),
        record(texts=[b"..", b"", b"", b"", b""], fill=-1e308),
        record(positions=[float(i) * 3.75 for i in range(96)]),
        SAMPLE + b"9\\|59\\|\x01",
        SAMPLE + b"0\\|01\\|\x01",
        ANNA + b"\x00" * 8 + b"\x00",
    ]


# Options of fuzz_entries, in the order of its switch.
SEARCH1, PICTURES, QUADRO, ANGLE, ANGLE_PICTURES, TRIPLE, MAGIC, ORB = range(8)
ORB_TEXTS = 1  # consumeOrb: the orb from two field texts


def entries_seeds():
    seeds = []
    orb = ["1", "12"]
    for rec in (ANNA, record(fill=1e308), record(fill=-0.0)):
        seeds.append(provider_input(rec, orb + ["KN+JU"], [SEARCH1, ORB_TEXTS]))
        seeds.append(provider_input(rec, orb + ["KNt/JUp"], [PICTURES, ORB_TEXTS, 4, 1, 4, 0]))
        seeds.append(provider_input(rec, orb + ["KN+JU=MO/SA"], [QUADRO, ORB_TEXTS]))
        seeds.append(provider_input(rec, orb + ["22", "59"], [ANGLE, ORB_TEXTS, 0]))
        seeds.append(provider_input(rec, orb + ["VE+JU=KN+"], [TRIPLE, ORB_TEXTS, 1]))
        seeds.append(provider_input(rec, orb + ["KNt"], [MAGIC, ORB_TEXTS, 3, 5]))
    for rec in (SAMPLE,):
        for entry in ["KN+JU", "kn/ju", "KN-JU", "GZ+MC", "Du+MC", "ЖЖ+JU", "KN*JU", "KN+JU😀"]:
            seeds.append(provider_input(rec, orb + [entry], [SEARCH1, ORB_TEXTS]))
        for entry, (left, kind, right) in [("KNt+JUp", (1, 1, 1)), ("knT+jup", (5, 2, 5)),
                                           ("MCr-SOr", (4, 1, 2)), ("MCx+SOr", (1, 1, 1)),
                                           ("KNt*JUp", (1, 1, 1))]:
            seeds.append(provider_input(rec, orb + [entry],
                                        [PICTURES, ORB_TEXTS, left - 1, kind - 1, right - 1, 1]))
        for entry in ["KN+JU=MO/SA", "kn/ju=mo+sa", "KN+JU-MO/SA", "KN*JU=MO/SA", "KN+JU=MO/Du"]:
            seeds.append(provider_input(rec, orb + [entry], [QUADRO, ORB_TEXTS]))
        for degrees, minutes, factor in [("22", "59", "MC"), ("0", "00", "gz"), ("+5", "+07", "SO"),
                                         (" ", " ", "Du"), ("23", "00", "KN"), ("-0", "30", "KN")]:
            seeds.append(provider_input(rec, orb + [degrees, minutes, factor], [ANGLE, ORB_TEXTS, 1]))
            seeds.append(provider_input(rec, orb + [degrees, minutes, "KNt+JUp"],
                                        [ANGLE_PICTURES, ORB_TEXTS, 4, 1, 4, 0]))
        for entry in ["VE+JU=KN+", "ve/ju=kn/", "VEr+JU=KN+", "VE+JU-KN+", "GZ+GZ=GZ+", "VE+JU=KN*"]:
            seeds.append(provider_input(rec, orb + [entry], [TRIPLE, ORB_TEXTS, len(entry) % 2]))
        for entry in ["KNt", "knt", "MCs", "SOs", "GZr", "Dur", "KNx", "ЖЖt", "KN", "KNtt"]:
            seeds.append(provider_input(rec, orb + [entry], [MAGIC, ORB_TEXTS, 0, 0]))
    for degrees, minutes, option in [("1", "12", "1:12"), ("0", "00", "0:00"), ("9", "59", "9:59"),
                                     ("+1", "+12", ":30"), ("2147483647", "59", "1:123"),
                                     ("", "", "a:10"), (" ", " ", "1:-5")]:
        seeds.append(provider_input(SAMPLE, ["1", "12", degrees, minutes, option], [ORB, ORB_TEXTS]))
    return seeds


# Subcommands of kelvaro-cli in the order they are declared.
COMMANDS = ["header", "describe", "overview", "content", "pictures", "angle-pictures", "quadro",
            "search1", "angle", "triple", "magic", "correspondences"]
WORD = 5  # any choice from 5 on takes a text instead of a flag


def cli_input(rec, command, words, orb=None):
    texts = [] if orb is None else [orb]
    choices = [1 if orb is not None else 0, COMMANDS.index(command), len(words)]
    flags = ["--single-factor", "--all-factors", "--orb", "--", "-h"]
    for word in words:
        if word in flags:
            choices.append(flags.index(word))
        else:
            choices.append(WORD)
            texts.append(word)
    return provider_input(rec, texts, choices)


def cli_seeds():
    return [
        cli_input(SAMPLE, "header", []),
        cli_input(SAMPLE, "describe", [], orb="0:30"),
        cli_input(SAMPLE, "search1", ["KN+JU"]),
        cli_input(SAMPLE, "search1", ["ЖЖ+JU"]),
        cli_input(SAMPLE, "search1", ["x" * 300]),
        cli_input(SAMPLE, "pictures", ["KNt+JUp", "rpst", "/", "rpst"]),
        cli_input(SAMPLE, "pictures", ["KNt+JUp", "r", "+", "r", "--single-factor"]),
        cli_input(SAMPLE, "angle-pictures", ["5:07", "t", "/", "p"]),
        cli_input(SAMPLE, "angle-pictures", [":", "s", "+", "s", "--single-factor"]),
        cli_input(SAMPLE, "quadro", ["KN+JU=MO/SA"]),
        cli_input(SAMPLE, "angle", ["22:59"]),
        cli_input(SAMPLE, "angle", ["0:00", "gz"]),
        cli_input(SAMPLE, "angle", ["5", "KN"]),
        cli_input(SAMPLE, "triple", ["VE+JU=KN+", "--all-factors"]),
        cli_input(SAMPLE, "triple", ["VEr+JU=KN+"], orb="9:59"),
        cli_input(record(fill=-1e308), "quadro", ["MC+MC=MC/MC"]),
        cli_input(record(fill=359.999999999), "angle", ["22:59", "SO"]),
        cli_input(SAMPLE, "overview", []),
        cli_input(SAMPLE, "content", [], orb="9:59"),
        cli_input(SAMPLE, "magic", ["KNt"]),
        cli_input(SAMPLE, "magic", ["kn"]),
        cli_input(SAMPLE, "magic", ["KNx"]),
        cli_input(SAMPLE, "correspondences", [], orb="0:01"),
        cli_input(record(fill=1e308), "correspondences", []),
    ]


# Parts of fuzz_chart_entries, in the order of its switch.
BIRTH, ZONE, COORDINATE, CALENDAR, MINUTE, ATLAS = range(6)
COLOGNE = ["Müller", "Anna", "05.03.1970", "14:30", "Europe/Berlin", "50°56' N", "6°57' O",
           "Köln", "08.12.2026", "12:00", "+01:00", "50.9333", "6.95"]


def texts_then(texts, rest, choices):
    """The texts from the front, then `rest` (a record), the choices from the back."""
    return provider_input(b"", texts, choices)[: -len(choices) or None] + rest + bytes(
        reversed(list(choices)))


def chart_entries_seeds():
    seeds = [provider_input(b"", COLOGNE, [BIRTH, 1, 1])]
    for field, value in [(0, "\u00a0\u00a0"), (0, "-rf"), (0, "x" * 250), (4, "Mars/Olymp"),
                         (5, "+-5"), (6, "6°57' OE"), (9, "07:5"), (9, "14:30:5"),
                         (8, "29.03.2026"), (2, "31.02.1970"), (1, "\n\v")]:
        entry = list(COLOGNE)
        entry[field] = value
        seeds.append(provider_input(b"", entry, [BIRTH, 1, 0]))
    for zone in ["Europe/Berlin", "UT", "+05:30", "-14:00", "America/Santiago", "Australia/Sydney",
                 "Asia/Tokyo", "Europe/Koeln", "+1:00", "/etc/passwd", "../../zoneinfo/UTC"]:
        seeds.append(provider_input(b"", [zone], [ZONE, 0, 0, 3, 15, 12, 30, 0]))
        seeds.append(provider_input(b"", [zone], [MINUTE]))
    for latitude, text in [(1, "50°56'30\" N"), (1, "-33,87"), (1, "89°59' S"), (0, "6°57' O"),
                           (0, "+180"), (0, "151°12′ W"), (1, "+-5"), (0, "6°57' OE"), (1, "1e308")]:
        seeds.append(provider_input(b"", [text], [COORDINATE, latitude]))
    for options in [["01.01.2026", "02.01.2026", "Europe/Berlin", "SA,MO", "ALL", "mc, so"],
                    ["31.03.2024", "31.03.2024", "Europe/Berlin", "MO", "factors", ""],
                    ["27.10.2024", "28.10.2024", "America/Santiago", "SO", "Midpoints", "AS"],
                    ["01.01.2026", "01.01.2036", "UT", "PO", "all", ""],
                    ["01.01.2026", "02.01.2026", "UT", "KR", "all", "MC,GZ"]]:
        for rec in (SAMPLE, record(fill=1e308), record(fill=-0.0)):
            seeds.append(texts_then(options, rec, [CALENDAR]))
    seeds.append(provider_input(b"", ["Springfield", "US"], [ATLAS, 3]))
    seeds.append(provider_input(b"", [], [ATLAS, 0]))
    return seeds


def aaf_seeds():
    """AAF files: the format's examples, every form of a field, both
    encodings and their mix, sub-horoscopes, and records at the limits."""
    files = [
        b"#A93:Niehenke,Peter,*,9.5.1949,22:30,Hamm,D\n#B93:2433046.354167,51n41,7e49,1he,1\n",
        b"#: Beispiel\r\n#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\r\n"
        b"#B93:*,49n05,8e11,1he,0\r\n#ZNAM:Europe/Berlin\r\n#COM:Programmierer\r\n",
        b"#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\n"
        b"#B93:2392758.526528,43n31,5e27,0e21:48,m\n",
        b"#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\n#B93:*,43n31,5e27,*,L\n",
        b"#A93:Sen,Ravi,m,5.1.1990,4:05,Mumbai,IND\n#B93:*,19n04:34,72e52:40,+05:30,0\n"
        b"#ZNAM:IST\n#SRC:Geburtsurkunde\n#VIA:Kollegin\n",
        b"#A93:Hopper,Grace,w,9.12.1906,9:00:30,New York,USA\n#B93:*,40n42,74w00,5hw00,*\n",
        b"#A93:M\xc3\xbcller,J\xc3\xbcrgen,m,1.2.1960,10:00,K\xc3\xb6ln,D\n"
        b"#A93:M\xfcller,Anna,w,1.2.1960,10:00,K\xf6ln,D\n#B93:2437331.875,50n56,6e57,1he00,0\n",
        b"\xef\xbb\xbf#A93:Ereignis,*,e,24.12.1992,*,Frei\nburg,D\n#COM:erste\r"
        b"#SUB1_ALT:^,^,^,^,09:22,^,^\n#B93:*,40n42,74w00,5hw00,0\n",
        b"#A93:Ohne,Zeit,m,1.2.1970,*,K\xf6ln,D\n#B93:2440618.875,50n56,6e57,1he00,0\n",
        b"#A93:Pol,*,m,1.2.1970,10:00,*,*\n#B93:*,89s59,180w00,14he00,2\n"
        b"#A93:Pol,*,m,1.2.1970,10:00,*,*\n#B93:*,90n00,0e00,0he00,0\n",
        b"#A93:Alt,*,m,1.1.1800,0:00,*,*\n#B93:2378496.5,0n00,0e00,0he00,0\n"
        b"#A93:Neu,*,m,31.12.2399,23:59:59,*,*\n#B93:*,0n00,0e00,12hw00,0\n",
    ]
    return files


def main():
    write("fuzz_transit_file", transit_file_seeds())
    write("fuzz_entries", entries_seeds())
    write("fuzz_cli", cli_seeds())
    write("fuzz_chart_entries", chart_entries_seeds())
    write("fuzz_aaf", aaf_seeds())


if __name__ == "__main__":
    main()
