#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target into corpus/<target>/.

The seeds are the texts, records, stored values and tables the program is
known to meet: the number texts TextToNumber accepts and refuses and the
texts NumberToText writes, the built-in catalogue and odd records, the
settings values of a first run, of a saved list and of values the program
never writes itself, a few result tables, kestrave-cli's argument lists, and
horizon files and stored horizon settings.
Texts are code page 936, arguments UTF-8.

Run it from anywhere; it replaces the corpus folders' contents.
"""

import math
import pathlib
import re
import shutil
import struct

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parents[1]


def cp936(text):
    return text.encode("gbk")


def default_catalogue():
    """The built-in list's bytes, read from the C++ literal that holds them."""
    source = (ROOT / "data" / "satellite_catalogue.cpp").read_text(encoding="utf-8")
    body = source[source.index("const char DefaultCatalogue["):]
    body = body[body.index("=") + 1:body.index(";")]
    data = bytearray()
    for line in body.splitlines():
        line = line.strip()
        if line.startswith("//"):
            continue
        for piece in re.findall(r'"((?:[^"\\]|\\.)*)"', line):
            for escape in re.finditer(r'\\x([0-9A-Fa-f]{2})|\\0|\\(.)|(.)', piece, re.S):
                if escape.group(1):
                    data.append(int(escape.group(1), 16))
                elif escape.group(0) == "\\0":
                    data.append(0)
                elif escape.group(2):
                    data += escape.group(2).encode()
                else:
                    data += escape.group(3).encode("utf-8")
    data.append(0)  # the literal's own terminating zero ends the list
    assert len(data) == 1065, len(data)
    return bytes(data)


def extended(value):
    """The 80-bit x87 encoding (little-endian, 10 bytes) of a double's value."""
    if value == 0:
        return bytes(10)
    sign = 0x8000 if value < 0 else 0
    mantissa, exponent = math.frexp(abs(value))
    significand = int(mantissa * (1 << 64))
    return struct.pack("<QH", significand, sign | (exponent - 1 + 16383))


def raw(significand, sign_exponent):
    return struct.pack("<QH", significand, sign_exponent)


def number_texts():
    texts = [
        # What TextToNumber accepts.
        "116.41", "1 16 . 4 1", "-0.5", "+5", ".5", "5.", "-.5", "", "   ", "-", ".", "+",
        "1e3", "1e+3", "1.5e-2", "1e", "1e-", "1e+", "e5", "1e0.5", "1e5abc", "1e4932",
        "1e-4931", "180", "-180.5", "90.5", "39.92", "0.0", "-0", "00000000000000000001",
        "18446744073709551616", "1.18e4932", "3.3621e-4932",
        # What it refuses.
        "1E3", "12abc", "1,5", "--5", "+-5", "1.2.3", "\t5", "5\t", "1e4933", "12e4931",
        "1e-4932", "5e-4932", "0e5000", "1e99999", "Error", "+\u221e", "-\u221e", "\u5317\u4eac",
        # What NumberToText writes with two decimals.
        "57.00", "-116.41", "-0.50", "0.33", "360.00", "10.00", "1.00", "0.10", "0.01", "0.005",
        "0.001", "4.00e-4", "1.00e-7", "1234567.00", "123456789012345.68",
        "1000000000000000.00", "1.00e15", "2.50e20", "1.00e-3", "0", "1.19e4932",
        "1.00e-4931", "3.36e-4932",
    ]
    seeds = {f"text-{k:02d}": cp936(text) for k, text in enumerate(texts)}
    # More than 4,931 digits after the point always underflow.
    seeds["fraction-4931-digits"] = b"0." + b"1" * 4931
    seeds["fraction-4932-digits"] = b"0." + b"1" * 4932
    seeds["integer-4933-digits"] = b"9" * 4933
    # Ten-byte encodings, for the formatter on its own.
    encodings = {
        "value-116.41": extended(116.41),
        "value-minus-0.5": extended(-0.5),
        "value-9.999": extended(9.999),
        "value-1e15": extended(1e15),
        "value-1e-7": extended(1e-7),
        "largest": raw(0xFFFFFFFFFFFFFFFF, 0x7FFE),
        "smallest-normal": raw(0x8000000000000000, 0x0001),
        "subnormal": raw(0x0000000000000001, 0x0000),
        "pseudo-denormal": raw(0x8000000000000000, 0x0000),
        "unnormal": raw(0x4000000000000000, 0x3FFF),
        "pseudo-zero": raw(0, 0x3FFF),
        "plus-infinity": raw(0x8000000000000000, 0x7FFF),
        "minus-infinity": raw(0x8000000000000000, 0xFFFF),
        "pseudo-infinity": raw(0, 0x7FFF),
        "nan": raw(0xC000000000000000, 0x7FFF),
        "minus-zero": raw(0, 0x8000),
    }
    seeds.update({f"encoding-{name}": data for name, data in encodings.items()})
    return seeds


def satellite_lists(catalogue):
    def records(*texts, end=b"\0"):
        return b"".join(cp936(text) + b"\0" for text in texts) + end

    return {
        "default-catalogue": catalogue,
        "default-catalogue-saved": catalogue + b"\0",
        "one-record": records("57.0,\u56fd\u9645703  (InterSat-707)"),
        "second-comma": records("100.5,AsiaSat,2"),
        "blanks-kept": records(" 57.0 ,  name  "),
        "empty-description": records("57.0,"),
        "empty-longitude": records(",name"),
        "comma-only": records(","),
        "no-comma-then-record": records("57.0", "60.0,next"),
        "no-comma-20-bytes": records("12345678901234567890", "1,a"),
        "no-comma-21-bytes": records("123456789012345678901", "1,a"),
        "20-bytes-before-comma": records("12345678901234567890,name"),
        "21-bytes-before-comma": records("123456789012345678901,name"),
        "double-byte-across-20": records("1234567890123456789\u56fd,name"),
        "description-200-bytes": records("57.0," + "n" * 200),
        "description-127-bytes": records("57.0," + "\u56fd" * 63 + "x"),
        "duplicates-and-no-number": records("57.0,a", "57.0,a", "abc,b"),
        "west-longitude": records("-5.5,West"),
        "starts-with-nul": b"\0" + records("57.0,hidden"),
        "empty": b"",
        "only-end": b"\0",
        "no-closing-nul": cp936("57.0,\u56fd\u9645703"),
        "no-list-end": records("57.0,a", end=b""),
    }


def list_of_size(size):
    """Records of 250 bytes and a last shorter one, ended by two NULs: `size` bytes."""
    data = bytearray()
    while size - len(data) - 2 > 0:
        length = min(250, size - len(data) - 2 - 1)
        data += b"1," + b"a" * (length - 2) if length >= 2 else b"1" * length
        data += b"\0"
    data += b"\0\0"
    assert len(data) == size, (len(data), size)
    return bytes(data)


def settings_values(catalogue):
    def site_value(data):
        return bytes([len(data)]) + data

    def stored(city, x, y, data=None, binary=0):
        present = (city is not None) | (x is not None) << 1 | (y is not None) << 2
        present |= (data is not None) << 3
        return (bytes([present | binary << 4]) + site_value(city or b"") + site_value(x or b"")
                + site_value(y or b"") + (data or b""))

    def text(value):
        return cp936(value) + b"\0"

    one_record = cp936("57.0,\u56fd\u9645703  (InterSat-707)") + b"\0\0\0"
    assert len(one_record) == 31
    return {
        "first-run": stored(None, None, None),
        "beijing-default-list": stored(text("\u5317\u4eac"), text("116.46"), text("39.92")),
        "saved-catalogue": stored(text("\u4e0a\u6d77"), text("121.48"), text("31.22"),
                                  catalogue + b"\0"),
        "typed-site": stored(text(""), text("116.41"), text("39.91"), b"\0\0"),
        "only-x": stored(text(""), text("116.41"), text("")),
        "unknown-city": stored(text("Atlantis"), text("1"), text("2")),
        "one-record": stored(text("\u5317\u4eac"), text("116.46"), text("39.92"), one_record),
        "empty-list": stored(None, None, None, b"\0\0"),
        "zero-byte-list": stored(None, None, None, b""),
        "list-without-nuls": stored(None, None, None, cp936("57.0,\u56fd\u9645703")),
        "list-36000": stored(None, None, None, list_of_size(36000)),
        "list-36001": stored(None, None, None, list_of_size(36001)),
        # 1,700 records of 20 bytes without a comma: 35,701 bytes as read, but
        # 37,402 once every record has gained its comma.
        "list-grows-when-saved": stored(None, None, None, (b"x" * 20 + b"\0") * 1700 + b"\0"),
        "city-18-bytes": stored(text("\u5317" * 9), None, None),
        "city-19-without-nul": stored(b"c" * 19, None, None),
        "city-20-without-nul": stored(b"c" * 20, None, None),
        "city-20-with-nul": stored(b"c" * 19 + b"\0", None, None),
        "city-21-bytes": stored(b"c" * 20 + b"\0", text("1"), text("2")),
        "x-40-bytes": stored(text(""), b"1" * 39 + b"\0", text("2")),
        "nul-inside": stored(b"ab\0cd", b"\0\0\0", b"3\x004"),
        "binary-and-text-types": stored(text("\u5317\u4eac"), text("1"), text("2"), b"\0\0",
                                        binary=0b1011),
    }


def result_tables():
    def table(description, *rows):
        texts = [cp936(description)]
        for row in rows:
            texts += [cp936(cell) for cell in row]
        return b"\0".join(texts)

    beijing = "\u5317\u4eac\r\n\u7ecf\u5ea6\uff1a\u4e1c\u7ecf116.46\u5ea6\r\n" \
              "\u7eac\u5ea6\uff1a\u5317\u7eac39.92\u5ea6"
    asia3 = ("\u4e9a\u6d323\u53f7  (AsiaSat-3S)", "105.5", "42.45",
             "\u5357\u504f\u897f16.79\u5ea6", "-12.80")
    catalogue_rows = []
    for record in default_catalogue().split(b"\0"):
        if record:
            longitude, description = record.decode("gbk").split(",", 1)
            catalogue_rows.append((description, longitude, "", "", ""))
    chinese = "\u4e2d" * 19
    return {
        "one-row": table(beijing, asia3),
        "catalogue": table(beijing, *catalogue_rows),
        "empty-table": table(beijing),
        "long-and-short-names": table("d", ("n" * 40, "1", "2", "3", "4"),
                                      ("SatName8", "", "", "", ""), ("", "", "", "", "")),
        "double-byte-at-the-cut": table("d", ("a" + chinese, "1234567890\u4e2d", "x",
                                              "\u5357\u504f\u4e1c" * 3, "\u6781\u5316\u89d2\u4e2d")),
        "widths-exactly": table("", ("x" * 36, "y" * 10, "z" * 10, "w" * 14, "v" * 8)),
        # A lead byte with nothing after it in its cell.
        "lead-byte-at-the-end": b"d\0name\xb1\0\0\0\0\xb1",
        "short-last-row": table("d", ("a", "b")),
    }


def cli_arguments():
    """kestrave-cli's argument lists, each argument ended by a NUL."""
    def run(*arguments):
        return b"".join(argument.encode("utf-8") + b"\0" for argument in arguments)
    return {
        "no-arguments": b"",
        "beijing": run("--lon", "116.46", "--lat", "39.92"),
        "city-gbk": run("--city", "\u4e0a\u6d77", "--encoding", "gbk"),
        "cities": run("--cities"),
        "help": run("--help"),
        "json-with-offset": run("--city", "\u5317\u4eac", "--date", "2026-01-01", "--offset",
                                "22.6", "--format", "json"),
        "csv-gbk-height": run("--lon", "-70.5", "--lat", "-33.45", "--date", "2027.5",
                              "--height", "500", "--format", "csv", "--encoding", "gbk"),
        "late-date": run("--format", "json", "--date", "2031-02-28"),
        "equals-forms": run("--lon=116.46", "--lat=", "--format=table"),
        "bad-values": run("--lon", "1e9999", "--lat", "-", "--offset", "61"),
        "sun-outage-json": run("--city", "\u5317\u4eac", "--sun-outage", "2027", "--dish", "0.45",
                               "--band", "c", "--format", "json"),
        "sun-outage-csv-utc": run("--lon", "151.21", "--lat", "-33.87", "--sun-outage", "2100",
                                  "--frequency", "11.7", "--utc", "--format", "csv",
                                  "--encoding", "gbk"),
        "sun-outage-refused": run("--sun-outage", "2027", "--band", "ku", "--frequency", "1"),
    }


def horizon_files():
    """Horizon files of both forms, refused ones, and stored horizon settings."""
    return {
        "sectors": b"120,150,12.5\n350 10 5\n200 , 210 , 30\n10,10,45\n0,360,2\n",
        "points": b"0 5\n90,10\n180 30\n270 0\n360 8\n",
        "points-unsorted-with-wall": b"270 0\n90 0\n90 20\n180 30\n",
        "one-point": b"123 7\n",
        "bom-crlf-comments": b"\xef\xbb\xbf# the roof\r\n\r\n120,150,12.5  # east\r\n"
                             b"350,10,5\r\n",
        "mixed-forms": b"120,150,12.5\n200,5\n",
        "bad-number": b"# first\n10 20 5\n10 abc 5\n",
        "out-of-range": b"361,10,5\n",
        "wrong-count": b"1 2 3 4\n",
        "sectors-65": b"1,2,3\n" * 65,
        "points-720": b"".join(b"%d.5 %d\n" % (k // 2, k % 90) for k in range(720)),
        "file-65537-bytes": b"10 20\n" + b"\n" * (65537 - 6),
        "setting-empty": b"T",
        "setting-compass": b"M;120.00,150.00,12.50;350.00,10.00,0",
        "setting-64-sectors": b"M" + b";360.00,360.00,90.00" * 64,
        "setting-65-sectors": b"T" + b";1,2,3" * 65,
    }


def write(target, seeds):
    folder = HERE / "corpus" / target
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for name, data in seeds.items():
        (folder / name).write_bytes(data)


def main():
    catalogue = default_catalogue()
    write("text_to_number_fuzz", number_texts())
    write("satellite_list_fuzz", satellite_lists(catalogue))
    write("settings_store_fuzz", settings_values(catalogue))
    write("result_text_fuzz", result_tables())
    write("cli_run_fuzz", cli_arguments())
    write("horizon_file_fuzz", horizon_files())


if __name__ == "__main__":
    main()
