#!/usr/bin/env python3
"""Chooses the gazetteer's 2,347 places from the place pool and writes the
table as data/gazetteer_table.cpp.

    make_gazetteer.py [--pool FILE] [--output FILE] [--readings-output FILE]
                      [--unihan FILE]

The pool (china_places_pool.tsv beside this script) lists Chinese county- and
prefecture-level places with a centre point each; README.md says where it
comes from and how the entries are chosen. The program is deterministic:
the same pool always gives the same bytes, and the test suite checks that
the committed table is exactly what this program writes.

Before writing anything the program checks every property the table must
have (size, counts, order, coordinates, the entries at fixed positions) and
stops with a message if one does not hold.

It also writes every place's reading in pinyin, in table order, as
data/gazetteer_readings.cpp: each character's most common Mandarin reading
from Unihan (kMandarin, from Debian's unicode-data package), except where
place_readings.tsv beside this script gives a place name's own reading
(重庆 chong qing, 六安 lu an). It stops if a place is left without one.

Python 3 standard library only.
"""

import argparse
import bisect
import bz2
import csv
import os
import sys
import unicodedata
from collections import Counter, defaultdict
from dataclasses import dataclass, field
from decimal import ROUND_HALF_UP, Decimal
from typing import Dict, List, Optional, Tuple

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_POOL = os.path.join(HERE, "china_places_pool.tsv")
DEFAULT_OUTPUT = os.path.join(HERE, "..", "..", "data", "gazetteer_table.cpp")
DEFAULT_READINGS_OUTPUT = os.path.join(HERE, "..", "..", "data", "gazetteer_readings.cpp")
DEFAULT_UNIHAN = "/usr/share/unicode/Unihan_Readings.txt.bz2"
DEFAULT_PLACE_READINGS = os.path.join(HERE, "place_readings.tsv")

# --- What the table must be --------------------------------------------------

SCALE = 100
TABLE_SIZE = 21952
PLACE_COUNT = 2347
# Names per length in code page 936 bytes.
LENGTH_COUNTS = {4: 2146, 6: 91, 8: 48, 10: 37, 12: 14, 14: 9, 16: 1, 18: 1}
# Coordinate pairs shared by several names: group size -> number of groups.
SHARED_GROUPS = {2: 61, 3: 13, 4: 1}
LONGITUDE_RANGE = (7518, 13415)
LATITUDE_RANGE = (1749, 5348)
# Names beginning with a GB2312 level-2 character (lead byte 0xD8 and up)
# stand at the end, from this position on.
FIRST_LEVEL2_POSITION = 2223

Point = Tuple[int, int]  # longitude, latitude in hundredths of a degree


@dataclass(frozen=True)
class Fixed:
    """An entry with a fixed position and stored values, and the place it is."""
    position: int
    name: str
    longitude: int
    latitude: int
    place: Tuple[str, str]  # (province, full name) of the place in the pool


# The entries at fixed positions, with their stored values (which every name
# of their place takes, also where the pool's point differs).
FIXED_ENTRIES = [
    Fixed(1, "阿巴嘎", 11497, 4403, ("内蒙古", "阿巴嘎旗")),
    Fixed(2, "阿巴嘎旗", 11497, 4403, ("内蒙古", "阿巴嘎旗")),
    Fixed(101, "北京", 11646, 3992, ("北京", "北京市")),
    Fixed(238, "达尔罕茂明安联合旗", 11042, 4172, ("内蒙古", "达尔罕茂明安联合旗")),
    Fixed(438, "抚远", 13415, 4833, ("黑龙江", "抚远市")),
    Fixed(467, "甘泉", 10937, 3629, ("陕西", "甘泉县")),
    Fixed(468, "东乡(甘肃)", 10339, 3568, ("甘肃", "东乡族自治县")),
    Fixed(469, "甘孜", 9996, 3164, ("四川", "甘孜县")),
    Fixed(629, "衡阳", 11261, 2689, ("湖南", "衡阳市")),
    Fixed(630, "衡阳", 11239, 2698, ("湖南", "衡阳县")),
    Fixed(880, "科尔沁右翼", 12147, 4505, ("内蒙古", "科尔沁右翼中旗")),
    Fixed(881, "科尔沁右翼", 12203, 4612, ("内蒙古", "科尔沁右翼前旗")),
    Fixed(886, "科尔沁左翼", 12235, 4297, ("内蒙古", "科尔沁左翼后旗")),
    Fixed(887, "科尔沁左翼", 12328, 4413, ("内蒙古", "科尔沁左翼中旗")),
    Fixed(1168, "漠河", 12237, 5348, ("黑龙江", "漠河县")),
    Fixed(1209, "南通", 12105, 3208, ("江苏", "通州区")),  # the former 南通县
    Fixed(1210, "南通", 12086, 3201, ("江苏", "南通市")),
    Fixed(1469, "上海", 12148, 3122, ("上海", "上海市")),
    Fixed(1744, "乌恰", 7518, 3970, ("新疆", "乌恰县")),
    Fixed(1862, "新巴尔虎", 11823, 4822, ("内蒙古", "新巴尔虎左旗")),
    Fixed(1863, "新巴尔虎", 11682, 4867, ("内蒙古", "新巴尔虎右旗")),
    Fixed(2223, "攸县", 11332, 2701, ("湖南", "攸县")),
    Fixed(2347, "黟县", 11792, 2993, ("安徽", "黟县")),
]

# Namesakes told apart by their province, written place(province); the key
# they sort by is the province followed by the place. Two of them name no
# place in the pool (None): they stand at the mean point of their province's
# county-level places.
PROVINCE_NAMES = {
    "东乡(甘肃)": ("甘肃", "东乡族自治县"),
    "东乡(江西)": ("江西", "东乡县"),
    "洪江(广东)": None,
    "洪江(湖南)": ("湖南", "洪江市"),
    "孟县(河南)": ("河南", "孟州市"),
    "孟县(山西)": ("山西", "盂县"),
    "清江(江苏)": ("江苏", "清江浦区"),
    "清江(山西)": None,
}

# Points set by hand for places whose pool point lies outside the table's
# ranges: the nearest value inside them.
HAND_SET_POINTS = {
    ("海南", "三沙市"): (None, LATITUDE_RANGE[0]),  # the pool has 16.83 N
}

# Coordinate groups chosen on purpose: each line is the names of one place
# (or of places the pool gives the same point). Names of the fixed entries
# come from FIXED_ENTRIES and are listed here only to show the group.
PLANNED_GROUPS = [
    ["科尔沁右翼#1", "科尔沁右翼中", "科尔沁右翼中旗"],
    ["科尔沁右翼#2", "科尔沁右翼前", "科尔沁右翼前旗"],
    ["科尔沁左翼#1", "科尔沁左翼后", "科尔沁左翼后旗"],
    ["科尔沁左翼#2", "科尔沁左翼中", "科尔沁左翼中旗"],
    ["新巴尔虎#1", "新巴尔虎左", "新巴尔虎左旗"],
    ["新巴尔虎#2", "新巴尔虎右", "新巴尔虎右旗"],
    ["察哈尔右翼", "察哈尔右翼前", "察哈尔右翼前旗"],
    ["乌拉特", "乌拉特前", "乌拉特前旗"],
    ["苏尼特", "苏尼特左", "苏尼特左旗"],
    ["巴林", "巴林左", "巴林左旗"],
    ["土默特", "土默特左", "土默特左旗"],
    # A prefecture and its seat, which the pool places on the same point.
    ["喀什", "喀什地区", "喀什市"],
    ["克拉玛依", "克拉玛依市", "克拉玛依区"],
    ["黑河", "黑河市", "爱辉", "爱辉区"],
]

# A short banner name shared by several banners, given to one of them.
NAME_OWNERS = {
    "察哈尔右翼": ("内蒙古", "察哈尔右翼前旗"),
    "乌拉特": ("内蒙古", "乌拉特前旗"),
    "苏尼特": ("内蒙古", "苏尼特左旗"),
    "巴林": ("内蒙古", "巴林左旗"),
    "土默特": ("内蒙古", "土默特左旗"),
    "鄂托克": ("内蒙古", "鄂托克旗"),
    "杭锦": ("内蒙古", "杭锦旗"),
    "阿拉善": ("内蒙古", "阿拉善盟"),
}

# Names left out although a place carries them: the full names of the
# municipalities, which go by their short names (北京, never 北京市), and the
# plain forms of the place(province) names.
LEFT_OUT_NAMES = {"北京市", "天津市", "上海市", "重庆市", "东乡", "洪江", "孟县", "清江"}

# Order of preference when there is more to choose from than room.
RANK_PROVINCE, RANK_PREFECTURE, RANK_CITY, RANK_COUNTY, RANK_DISTRICT, RANK_SAR_DISTRICT = range(6)


# --- The pool ------------------------------------------------------------------

@dataclass
class Place:
    index: int  # line in the pool, from 0; places not in the pool come after it
    short: str
    full: str
    kind: str
    level: str
    province: str
    forms: List[str]
    flags: List[str]
    longitude_text: str
    latitude_text: str
    point: Point = (0, 0)
    hand_set: str = ""  # why the point is not the pool's, when it is not

    @property
    def key(self) -> Tuple[str, str]:
        return (self.province, self.full)

    @property
    def rank(self) -> int:
        if self.level == "province":
            return RANK_PROVINCE
        if self.level == "prefecture":
            return RANK_PREFECTURE
        if self.level == "district":
            return RANK_SAR_DISTRICT
        if self.kind == "市":
            return RANK_CITY
        if self.kind in ("区", "新区"):
            return RANK_DISTRICT
        return RANK_COUNTY


def fail(message: str) -> None:
    sys.exit("make_gazetteer: " + message)


def hundredths(degrees: str) -> int:
    """The pool's decimal degrees in hundredths, to nearest, halves up."""
    return int((Decimal(degrees) * 100).quantize(Decimal(1), rounding=ROUND_HALF_UP))


def read_pool(path: str) -> List[Place]:
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.DictReader(f, delimiter="\t"))
    places = []
    for index, row in enumerate(rows):
        place = Place(index=index, short=row["short_name"], full=row["full_name"],
                      kind=row["kind"], level=row["level"], province=row["province"],
                      forms=row["name_forms"].split("|"),
                      flags=[f for f in row["flags"].split(",") if f],
                      longitude_text=row["longitude"], latitude_text=row["latitude"])
        place.point = (hundredths(place.longitude_text), hundredths(place.latitude_text))
        places.append(place)
    return places


def province_mean_point(places: List[Place], province: str) -> Point:
    """The mean of a province's county-level points, for a name with no place."""
    members = [p for p in places
               if p.province == province and p.level == "county" and not p.flags]
    longitude = sum(Decimal(p.longitude_text) for p in members) / len(members)
    latitude = sum(Decimal(p.latitude_text) for p in members) / len(members)
    return hundredths(str(longitude)), hundredths(str(latitude))


def add_missing_places(places: List[Place]) -> Dict[str, Place]:
    """Places for the place(province) names the pool does not have."""
    added = {}
    for name, where in PROVINCE_NAMES.items():
        if where is not None:
            continue
        stem, province = name[:-1].split("(")
        point = province_mean_point(places, province)
        place = Place(index=len(places), short=name, full=name, kind="", level="county",
                      province=province, forms=[name], flags=[],
                      longitude_text="", latitude_text="", point=point,
                      hand_set=f"no place {stem} in {province} is known; mean point "
                               f"of the province's county-level places")
        places.append(place)
        added[name] = place
    return added


def find_place(by_key: Dict[Tuple[str, str], List[Place]], key: Tuple[str, str]) -> Place:
    found = by_key.get(key, [])
    if len(found) != 1:
        fail(f"{key[1]} ({key[0]}) is {len(found)} places in the pool, not one")
    return found[0]


# --- Names ---------------------------------------------------------------------

def encode(name: str) -> bytes:
    return name.encode("gbk")  # code page 936


def sort_key(name: str) -> bytes:
    """Names sort by their bytes; place(province) sorts as province, place."""
    if name.endswith(")") and "(" in name:
        stem, province = name[:-1].split("(")
        return encode(province + stem)
    return encode(name)


def name_owners(places: List[Place], fixed: Dict[str, Place]) -> Dict[str, Place]:
    """Which place each usable name stands for.

    The name of a fixed entry stands for that entry's place. A name that
    several places carry goes to the one of highest rank (a prefecture before
    the county of the same name); when two of equal rank share it, it is left
    out, unless NAME_OWNERS gives it to one of them."""
    carriers = defaultdict(list)
    for place in places:
        if place.flags and place.flags != ["outside-range"]:
            continue  # generic names, characters outside GB2312, not a place
        for name in place.forms:
            carriers[name].append(place)
    by_key = defaultdict(list)
    for place in places:
        by_key[place.key].append(place)

    owners = {}
    for name, group in carriers.items():
        if name in LEFT_OUT_NAMES:
            continue
        if name in fixed:
            owners[name] = fixed[name]
            continue
        if name in NAME_OWNERS:
            owners[name] = find_place(by_key, NAME_OWNERS[name])
            continue
        best = min(p.rank for p in group)
        top = [p for p in group if p.rank == best]
        if len(top) == 1:
            owners[name] = top[0]
    return owners


# --- Choosing ------------------------------------------------------------------

@dataclass
class Entry:
    name: str
    place: Place
    position: Optional[int] = None  # fixed position, from 1
    longitude: int = 0
    latitude: int = 0


@dataclass
class Selection:
    """The entries chosen so far, with what they take up."""
    fixed_keys: List[bytes]
    room: List[int]  # names still wanted between fixed positions
    lengths: Dict[int, int]  # names still wanted per length
    entries: List[Entry] = field(default_factory=list)
    names: set = field(default_factory=set)
    places: set = field(default_factory=set)  # indices of places used
    points: Dict[Point, List[str]] = field(default_factory=lambda: defaultdict(list))

    def gap(self, name: str) -> Optional[int]:
        """The gap between fixed entries where a name would stand."""
        key = sort_key(name)
        i = bisect.bisect_left(self.fixed_keys, key)
        if i < len(self.fixed_keys) and self.fixed_keys[i] == key:
            return None  # the name of a fixed entry
        return i

    def fits(self, names: List[str]) -> bool:
        wanted = Counter(self.gap(n) for n in names)
        by_length = Counter(len(encode(n)) for n in names)
        return (all(g is not None and self.room[g] >= k for g, k in wanted.items())
                and all(self.lengths.get(n, 0) >= k for n, k in by_length.items())
                and not any(n in self.names for n in names))

    def add(self, name: str, place: Place, position: Optional[int] = None) -> None:
        if name in self.names and position is None:
            fail(f"{name} chosen twice")
        length = len(encode(name))
        if self.lengths.get(length, 0) <= 0:
            fail(f"no room left for a name of {length} bytes ({name})")
        self.lengths[length] -= 1
        if position is None:
            gap = self.gap(name)
            if gap is None or self.room[gap] <= 0:
                fail(f"no room left for {name} where it sorts")
            self.room[gap] -= 1
        self.entries.append(Entry(name, place, position, *place.point))
        self.names.add(name)
        self.places.add(place.index)
        self.points[place.point].append(name)


def choose(places: List[Place]) -> List[Entry]:
    by_key = defaultdict(list)
    for place in places:
        by_key[place.key].append(place)
    added = add_missing_places(places)
    for place in added.values():
        by_key[place.key].append(place)
    for key, (longitude, latitude) in HAND_SET_POINTS.items():
        place = find_place(by_key, key)
        old = place.point
        place.point = (longitude if longitude is not None else old[0],
                       latitude if latitude is not None else old[1])
        place.hand_set = (f"pool point {old[0] / 100:.2f}, {old[1] / 100:.2f} lies outside "
                          f"the table's range; nearest value inside it")

    # The fixed entries carry their own stored values; a place that stands
    # at a fixed position takes them for all its names.
    for fixed in FIXED_ENTRIES:
        place = find_place(by_key, fixed.place)
        if place.hand_set or place.point != (fixed.longitude, fixed.latitude):
            place.hand_set = place.hand_set or (
                f"stored values of entry {fixed.position}; pool point "
                f"{place.point[0] / 100:.2f}, {place.point[1] / 100:.2f}")
        place.point = (fixed.longitude, fixed.latitude)

    fixed_keys = [sort_key(f.name) for f in FIXED_ENTRIES]
    room = [0] + [b.position - a.position - 1 for a, b in zip(FIXED_ENTRIES, FIXED_ENTRIES[1:])] + [0]
    selection = Selection(fixed_keys, room, dict(LENGTH_COUNTS))

    fixed_places = {}  # name -> the place of its (first) fixed entry
    numbered = {}  # "科尔沁右翼#2" -> the place of the second entry of that name
    seen = Counter()
    for fixed in FIXED_ENTRIES:
        place = find_place(by_key, fixed.place)
        selection.add(fixed.name, place, fixed.position)
        fixed_places.setdefault(fixed.name, place)
        seen[fixed.name] += 1
        numbered[f"{fixed.name}#{seen[fixed.name]}"] = place

    for name, where in PROVINCE_NAMES.items():
        if name in selection.names:
            continue
        place = added[name] if where is None else find_place(by_key, where)
        selection.add(name, place)

    owners = name_owners(places, fixed_places)
    for group in PLANNED_GROUPS:
        points = set()
        for name in group:
            if name in numbered:
                points.add(numbered[name].point)
                continue
            if name not in owners:
                fail(f"planned name {name} has no place")
            selection.add(name, owners[name])
            points.add(owners[name].point)
        if len(points) != 1:
            fail(f"the names {group} do not share one point")

    # The places of the fixed and planned entries carry no further names.
    fill(selection, places, owners)
    return selection.entries


def candidates(places: List[Place], owners: Dict[str, Place]) -> List[Tuple[Place, str, List[str]]]:
    """Every usable place with its own name and its other names, in order of
    preference: by rank, then in the pool's order. A place's own name is its
    short form, or when another place owns that, its shortest other form."""
    names_of = defaultdict(list)
    for name, place in owners.items():
        names_of[place.index].append(name)
    result = []
    for place in sorted(places, key=lambda p: (p.rank, p.index)):
        names = sorted(names_of.get(place.index, []),
                       key=lambda n: (n != place.short, len(encode(n)), n != place.full, encode(n)))
        if names:
            result.append((place, names[0], names[1:]))
    return result


def usable(selection: Selection, place: Place) -> bool:
    """A place not used yet whose point no chosen place has and which lies
    inside the table's ranges."""
    longitude, latitude = place.point
    return (place.index not in selection.places
            and place.point not in selection.points
            and LONGITUDE_RANGE[0] <= longitude <= LONGITUDE_RANGE[1]
            and LATITUDE_RANGE[0] <= latitude <= LATITUDE_RANGE[1])


def fill(selection: Selection, places: List[Place], owners: Dict[str, Place]) -> None:
    pool = candidates(places, owners)

    # 1. Pairs: a place by its own name and by its full (or banner) form, the
    # longest forms first, while names of that length are wanted.
    pairs_wanted = SHARED_GROUPS[2] - sum(
        1 for names in selection.points.values() if len(names) == 2)
    for length in sorted(LENGTH_COUNTS, reverse=True):
        for place, own, others in pool:
            if pairs_wanted == 0 or selection.lengths[length] == 0:
                break
            longer = [n for n in others if len(encode(n)) == length]
            if longer and usable(selection, place) and selection.fits([own, longer[0]]):
                selection.add(own, place)
                selection.add(longer[0], place)
                pairs_wanted -= 1
    if pairs_wanted:
        fail(f"{pairs_wanted} pairs of names for one place are missing")

    # 2. Every other place chosen has its own name only. Names longer than
    # four bytes first, the gaps that four-byte names cannot fill first.
    four_byte = Counter(selection.gap(own) for place, own, _ in pool
                        if len(encode(own)) == 4 and usable(selection, place))
    def shortfall(candidate) -> int:
        gap = selection.gap(candidate[1])
        return 0 if gap is None else max(0, selection.room[gap] - four_byte[gap])
    for length in sorted((n for n in LENGTH_COUNTS if n != 4), reverse=True):
        for place, own, _ in sorted(pool, key=shortfall, reverse=True):
            if selection.lengths[length] == 0:
                break
            if len(encode(own)) == length and usable(selection, place) and selection.fits([own]):
                selection.add(own, place)
    for place, own, _ in pool:
        if len(encode(own)) == 4 and usable(selection, place) and selection.fits([own]):
            selection.add(own, place)

    missing = {length: n for length, n in selection.lengths.items() if n}
    if missing:
        fail(f"names missing per length: {missing}")
    missing = [(gap, n) for gap, n in enumerate(selection.room) if n]
    if missing:
        fail(f"gaps left unfilled (gap, names): {missing}")


# --- The table -----------------------------------------------------------------

def ordered(entries: List[Entry]) -> List[Entry]:
    """The entries in table order; the two entries of a duplicated name keep
    the order of their fixed positions."""
    result = sorted(entries, key=lambda e: (sort_key(e.name), e.position or 0))
    for position, entry in enumerate(result, start=1):
        if entry.position is not None and entry.position != position:
            fail(f"{entry.name} stands at {position}, not at {entry.position}")
    return result


def table_bytes(entries: List[Entry]) -> bytes:
    out = bytearray(SCALE.to_bytes(4, "little"))
    for entry in entries:
        name = encode(entry.name)
        out.append(len(name))
        out += name
        out += entry.longitude.to_bytes(2, "little")
        out += entry.latitude.to_bytes(2, "little")
    out.append(0)
    return bytes(out)


def parse_table(blob: bytes) -> List[Tuple[str, int, int]]:
    """The entries as the program reads them: name, longitude, latitude."""
    entries = []
    offset = 4
    while blob[offset] != 0:
        n = blob[offset]
        name = blob[offset + 1:offset + 1 + n].decode("gbk")
        longitude = int.from_bytes(blob[offset + 1 + n:offset + 3 + n], "little")
        latitude = int.from_bytes(blob[offset + 3 + n:offset + 5 + n], "little")
        entries.append((name, longitude, latitude))
        offset += n + 5
    if offset != len(blob) - 1:
        fail(f"the end byte stands at {offset}, not at the end ({len(blob) - 1})")
    return entries


def check(blob: bytes) -> None:
    """Checks every property the table must have, from its bytes alone."""
    problems = []

    def expect(condition: bool, message: str) -> None:
        if not condition:
            problems.append(message)

    expect(len(blob) == TABLE_SIZE, f"size {len(blob)}, not {TABLE_SIZE}")
    expect(int.from_bytes(blob[:4], "little") == SCALE, "scale is not 100")
    entries = parse_table(blob)
    names = [e[0] for e in entries]
    expect(len(entries) == PLACE_COUNT, f"{len(entries)} entries, not {PLACE_COUNT}")

    lengths = Counter(len(encode(n)) for n in names)
    expect(lengths == Counter(LENGTH_COUNTS), f"names per length {dict(sorted(lengths.items()))}")

    with_province = [n for n in names if "(" in n or ")" in n]
    expect(sorted(with_province) == sorted(PROVINCE_NAMES),
           f"names with a province: {with_province}")
    for name in names:
        if name in PROVINCE_NAMES:
            name = name[:-1].replace("(", "")
        expect(all("\u4e00" <= c <= "\u9fff" for c in name), f"{name}: not Chinese characters only")

    counts = Counter(names)
    twice = [n for n in counts if counts[n] == 2]
    fixed_twice = [f.name for f in FIXED_ENTRIES if sum(g.name == f.name for g in FIXED_ENTRIES) == 2]
    expect(sorted(twice) == sorted(set(fixed_twice)), f"names standing twice: {twice}")
    expect(max(counts.values()) <= 2, "a name stands more than twice")
    expect(len(counts) == PLACE_COUNT - len(twice), "distinct names")
    for name in twice:
        first = names.index(name)
        expect(names[first + 1] == name, f"the two {name} entries are not together")
        expect(entries[first][1:] != entries[first + 1][1:], f"the two {name} entries are alike")

    groups = Counter(Counter((e[1], e[2]) for e in entries).values())
    del groups[1]
    expect(groups == Counter(SHARED_GROUPS), f"shared coordinate pairs by size: {dict(groups)}")

    longitudes = [e[1] for e in entries]
    latitudes = [e[2] for e in entries]
    expect((min(longitudes), max(longitudes)) == LONGITUDE_RANGE, "longitude range")
    expect((min(latitudes), max(latitudes)) == LATITUDE_RANGE, "latitude range")

    keys = [sort_key(n) for n in names]
    expect(all(a <= b for a, b in zip(keys, keys[1:])), "entries out of order")

    level2 = [i + 1 for i, n in enumerate(names) if encode(n)[0] >= 0xD8]
    expect(level2 == list(range(FIRST_LEVEL2_POSITION, PLACE_COUNT + 1)),
           "names beginning with a level-2 character")

    for fixed in FIXED_ENTRIES:
        expect(entries[fixed.position - 1] == (fixed.name, fixed.longitude, fixed.latitude),
               f"entry {fixed.position} is {entries[fixed.position - 1]}, not {fixed.name}")

    if problems:
        fail("the table is wrong:\n  " + "\n  ".join(problems))


# --- Readings ------------------------------------------------------------------

def toneless(syllable: str) -> str:
    """A pinyin syllable without its tone mark, ü written v as typed."""
    bare = unicodedata.normalize("NFD", syllable.lower()).replace("u\u0308", "v")
    return "".join(c for c in bare if not unicodedata.combining(c))


def read_unihan(path: str) -> Dict[str, str]:
    """Each character's first (most common) kMandarin reading, toneless."""
    readings = {}
    opener = bz2.open if path.endswith(".bz2") else open
    with opener(path, "rt", encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) == 3 and fields[1] == "kMandarin":
                readings[chr(int(fields[0][2:], 16))] = toneless(fields[2].split()[0])
    return readings


def read_place_readings(path: str) -> Dict[str, List[str]]:
    words = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, start=1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            word, reading = line.split("\t")
            syllables = reading.split()
            if len(syllables) != len(word) or not all(s.isascii() and s.isalpha() for s in syllables):
                fail(f"{path}:{number}: {word} needs one syllable of letters per character")
            words[word] = syllables
    return words


def reading_of(name: str, characters: Dict[str, str], words: Dict[str, List[str]]) -> str:
    """The name's syllables separated by spaces; the province of a
    place(province) name is read too, its parentheses are not."""
    text = name.replace("(", "").replace(")", "")
    syllables = []
    i = 0
    while i < len(text):
        word = max((w for w in words if text.startswith(w, i)), key=len, default=None)
        if word:
            syllables += words[word]
            i += len(word)
            continue
        if text[i] not in characters:
            fail(f"{name}: no reading for {text[i]}")
        syllables.append(characters[text[i]])
        i += 1
    return " ".join(syllables)


READINGS_HEADER = """\
// Every place's reading in pinyin, in the gazetteer's order: toneless
// syllables of lowercase letters (ü as v), one per character, separated by
// single spaces. Written by tools/gazetteer/make_gazetteer.py from Unihan's
// kMandarin (Debian's unicode-data) and tools/gazetteer/place_readings.tsv;
// change those, not this file.

#include "data/place_readings.h"

const char* const PlaceReadings[GazetteerPlaceCount] = {
"""


def render_readings(entries: List[Entry], readings: List[str]) -> str:
    lines = [READINGS_HEADER]
    for number, (entry, reading) in enumerate(zip(entries, readings), start=1):
        lines.append(f'    "{reading}",  // {number} {entry.name}\n')
    lines.append("};\n")
    return "".join(lines)


# --- Output --------------------------------------------------------------------

HEADER = """\
// The built-in gazetteer: 2,347 Chinese places. Written by
// tools/gazetteer/make_gazetteer.py from tools/gazetteer/china_places_pool.tsv
// (see tools/gazetteer/README.md for the sources and their terms); change the
// generator, not this file.
//
// Layout (little-endian): scale 100 (u32); per place the name length N (u8),
// N code page 936 name bytes, longitude and latitude in hundredths of a
// degree (u16 each); an end byte 0. Each line below is one place, its name in
// UTF-8 in the comment with its number and coordinates.

#include "data/gazetteer.h"

const unsigned char Gazetteer[GazetteerSize] = {
"""


def render(entries: List[Entry], blob: bytes) -> str:
    def hexes(data: bytes) -> str:
        return ",".join(f"0x{b:02X}" for b in data)

    lines = [HEADER, f"    {hexes(blob[:4])},  // scale {SCALE}\n"]
    offset = 4
    for number, entry in enumerate(entries, start=1):
        n = blob[offset]
        name = blob[offset + 1:offset + 1 + n]
        longitude = blob[offset + 1 + n:offset + 3 + n]
        latitude = blob[offset + 3 + n:offset + 5 + n]
        lines.append(f"    {n}, {hexes(name)}, {hexes(longitude)}, {hexes(latitude)},"
                     f"  // {number} {entry.name} {entry.longitude / 100:.2f} "
                     f"{entry.latitude / 100:.2f}\n")
        offset += n + 5
    lines.append("    0x00,  // end\n};\n")
    return "".join(lines)


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--pool", default=DEFAULT_POOL)
    parser.add_argument("--output", default=DEFAULT_OUTPUT)
    parser.add_argument("--readings-output", default=DEFAULT_READINGS_OUTPUT)
    parser.add_argument("--unihan", default=DEFAULT_UNIHAN,
                        help="Unihan_Readings.txt (or .bz2), for kMandarin")
    parser.add_argument("--hand-set", action="store_true",
                        help="list the entries whose values are not the pool's")
    args = parser.parse_args()

    entries = ordered(choose(read_pool(args.pool)))
    blob = table_bytes(entries)
    check(blob)
    characters = read_unihan(args.unihan)
    words = read_place_readings(DEFAULT_PLACE_READINGS)
    readings = [reading_of(entry.name, characters, words) for entry in entries]
    if args.hand_set:
        for number, entry in enumerate(entries, start=1):
            if entry.place.hand_set:
                print(f"{number}\t{entry.name}\t{entry.longitude / 100:.2f}\t"
                      f"{entry.latitude / 100:.2f}\t{entry.place.hand_set}")
    with open(args.output, "w", encoding="utf-8", newline="\n") as f:
        f.write(render(entries, blob))
    with open(args.readings_output, "w", encoding="utf-8", newline="\n") as f:
        f.write(render_readings(entries, readings))


if __name__ == "__main__":
    main()
