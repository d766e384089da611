#!/usr/bin/env python3
"""kestrave-cli's JSON, CSV and sky picture, read back by other programs."""
import csv
import io
import json
import os
import shutil
import subprocess
import sys
import tempfile

PROGRAM = sys.argv[1]


def run(*arguments):
    done = subprocess.run([PROGRAM, *arguments], capture_output=True, check=False)
    if done.returncode != 0:
        sys.exit(f"kestrave-cli {' '.join(arguments)}: exit {done.returncode}: {done.stderr!r}")
    return done.stdout


def expect(condition, what):
    if not condition:
        sys.exit("failed: " + what)


report = json.loads(run("--city", "北京", "--date", "2026-01-01", "--format", "json"))
site = report["site"]
expect(site["name"] == "北京", "site name")
expect(abs(site["declination"] - -7.55) <= 0.01, f"declination {site['declination']}")
expect(site["date"] == "2026-01-01" and site["decimal_year"] == 2026.0, "date")
expect(site["magnetic_model"] == "WMM2025" and site["model_valid"] is True, "model")
expect("nearest_place" not in site, "no nearest place for a named site")
satellites = report["satellites"]
expect(len(satellites) == 39, "39 satellites")
asiasat = next(s for s in satellites if s["name"] == "亚洲3号  (AsiaSat-3S)")
expect(asiasat["elevation_text"] == "42.45" and asiasat["azimuth_text"] == "南偏西16.79度",
       "the table's texts")
expect(abs(asiasat["range_km"] - 37597) < 1 and abs(asiasat["delay_ms"] - 125.4) < 0.05,
       "range and delay")
expect(abs(asiasat["magnetic_azimuth"] - 204.34) < 0.01, "magnetic azimuth")
expect(all("offset_elevation" not in s for s in satellites), "no offset without --offset")
expect(all(0 <= s["azimuth"] < 360 and 0 <= s["magnetic_azimuth"] < 360 for s in satellites),
       "azimuths within the circle")
# A motor or polar mount: the site's three numbers, the arc's ends, each satellite's angle.
expect(list(site["polar_mount"].keys()) == ["axis_elevation", "declination_offset",
                                            "meridian_elevation"], "polar_mount keys")
expect(abs(site["polar_mount"]["axis_elevation"] - 39.92) < 1e-9 and
       abs(site["polar_mount"]["declination_offset"] - 6.2666) < 1e-4 and
       abs(site["polar_mount"]["meridian_elevation"] - 43.8134) < 1e-4, f"{site['polar_mount']}")
expect(abs(site["visible_arc"]["west"] - 37.8354) < 1e-4 and
       abs(site["visible_arc"]["east"] - -164.9154) < 1e-4, f"{site['visible_arc']}")
expect(abs(asiasat["motor_angle"] - -12.386) < 1e-3, "motor angle west of the meridian")
expect(all(s["motor_angle"] is not None and list(s.keys())[-1] == "motor_angle"
           for s in satellites), "every satellite of the list within the arc, its angle last")

arguments = ("--lon", "-70.5", "--lat", "-33.45", "--date", "2027.5", "--offset", "22.6")
unnamed = json.loads(run(*arguments, "--format", "json"))
expect(unnamed["site"]["name"] == "地名不详" and unnamed["site"]["date"] == "2027.5",
       "unnamed site and a decimal year as given")
# A site typed as coordinates names the gazetteer's place nearest it.
for lon, lat, name, km in (("116.46", "39.92", "北京", 0), ("122.37", "53.58", "漠河", 11.1),
                           ("134.65", "48.33", "抚远", 37.0)):
    nearest = json.loads(run("--lon", lon, "--lat", lat, "--format", "json"))["site"]
    expect(nearest["nearest_place"] == {"name": name, "distance_km": km},
           f"nearest place of {lon},{lat}: {nearest.get('nearest_place')}")
rows = list(csv.DictReader(io.StringIO(run(*arguments, "--format", "csv").decode("utf-8"),
                                       newline="")))
expect(len(rows) == len(unnamed["satellites"]), "one CSV row per satellite")
for row, satellite in zip(rows, unnamed["satellites"]):
    expect(list(row.keys()) == list(satellite.keys()), "CSV header is the JSON keys")
    for key, value in satellite.items():
        if value is None:
            expect(row[key] == "", f"{key}: empty in CSV for null")
        elif isinstance(value, bool):
            expect(row[key] == ("true" if value else "false"), key)
        elif isinstance(value, (int, float)):
            expect(float(row[key]) == value, f"{key}: {row[key]} != {value}")
        else:
            expect(row[key] == value, key)
    expect(abs(satellite["offset_elevation"] - (satellite["elevation"] - 22.6)) < 1e-9,
           "offset elevation")
# Santiago sees the arc from 150.05 W to 9.05 E: none of the list's satellites.
expect(all(s["motor_angle"] is None for s in unnamed["satellites"]), "no angle outside the arc")

with tempfile.TemporaryDirectory() as folder:
    svg = os.path.join(folder, "sky.svg")
    table = run("--city", "北京", "--date", "2026-01-01", "--sky", svg)
    expect(table.startswith("北京\n".encode()), "the table is still printed")
    subprocess.run(["xmllint", "--noout", svg], check=True)
    text = open(svg, encoding="utf-8").read()
    expect("亚洲3号  (AsiaSat-3S)" in text and "磁偏角：西7.55度" in text, "SVG texts")
    expect("子午线" in text and "东经37.84度" in text and "西经164.92度" in text,
           "the meridian and the arc's ends")
    if shutil.which("rsvg-convert"):
        png = os.path.join(folder, "sky.png")
        subprocess.run(["rsvg-convert", "-o", png, svg], check=True)
        expect(open(png, "rb").read(8) == b"\x89PNG\r\n\x1a\n", "SVG renders")
# The sun outages: JSON with exactly its keys, and the CSV holding the same days.
outage_arguments = ("--city", "北京", "--sun-outage", "2027")
outages = json.loads(run(*outage_arguments, "--format", "json"))
expect(list(outages.keys()) == ["site", "sun_outage", "satellites"], "outage JSON's keys")
expect(outages["site"] == report["site"] | {"date": outages["site"]["date"],
                                              "decimal_year": outages["site"]["decimal_year"],
                                              "declination": outages["site"]["declination"]},
       "the site as the field report gives it")
settings = outages["sun_outage"]
expect(list(settings.keys()) == ["year", "dish_m", "frequency_ghz", "beamwidth_deg",
                                 "threshold_deg", "time_zone"], "sun_outage keys")
expect(settings["year"] == 2027 and settings["dish_m"] == 0.6 and
       settings["frequency_ghz"] == 12.25 and settings["time_zone"] == "UTC+08:00", "settings")
beamwidth = 70 * (299792458 / 12.25e9) / 0.6
expect(abs(settings["beamwidth_deg"] - beamwidth) < 1e-12, f"beamwidth {settings['beamwidth_deg']}")
expect(abs(settings["threshold_deg"] - (beamwidth / 2 + 0.25)) < 1e-12, "threshold")
expect(len(outages["satellites"]) == 39, "every satellite of the list")
day_keys = ["date", "start", "peak", "end", "duration_s", "min_separation_deg",
            "start_date", "end_date"]
for satellite in outages["satellites"]:
    expect(list(satellite.keys()) == ["name", "longitude", "visible", "outages"],
           "satellite keys")
    expect(satellite["visible"] == bool(satellite["outages"]), "outages exactly when visible")
    for day in satellite["outages"]:
        expect(list(day.keys()) == day_keys, "outage keys")
        expect(day["date"].startswith("2027-"), "days of the year asked for")
        expect(day["start_date"] <= day["date"] <= day["end_date"], "the start's and end's days")
        expect(day["start"] <= day["peak"] <= day["end"], "start, peak, end in order")
        expect(0 <= day["min_separation_deg"] < settings["threshold_deg"], "within the threshold")
asiasat = next(s for s in outages["satellites"] if s["longitude"] == 105.5)
march5 = next(d for d in asiasat["outages"] if d["date"] == "2027-03-05")
expect(march5["peak"] == "13:15:17" and march5["duration_s"] == 809, f"AsiaSat 3S {march5}")

rows = list(csv.DictReader(io.StringIO(run(*outage_arguments, "--format", "csv").decode("utf-8"),
                                       newline="")))
flat = [(s, d) for s in outages["satellites"] for d in s["outages"]]
expect(len(rows) == len(flat), "one CSV row per satellite and day")
for row, (satellite, day) in zip(rows, flat):
    expect(list(row.keys()) == ["name", "longitude"] + day_keys, "CSV header")
    expect(row["name"] == satellite["name"] and float(row["longitude"]) == satellite["longitude"],
           "CSV satellite")
    for key in ("date", "start", "peak", "end", "start_date", "end_date"):
        expect(row[key] == day[key], key)
    expect(int(row["duration_s"]) == day["duration_s"], "duration")
    expect(float(row["min_separation_deg"]) == day["min_separation_deg"], "separation")

# The obstacles: a wall from south-south-west to west, 35 degrees high, and a
# mast due south-east; every satellite gains its horizon and clearance.
with tempfile.TemporaryDirectory() as folder:
    horizon = os.path.join(folder, "balcony.txt")
    with open(horizon, "w", encoding="utf-8") as file:
        file.write("# balcony\n202.5, 270, 35\n135 135 60\n")
    beijing = ("--city", "北京", "--date", "2026-01-01", "--horizon", horizon)
    plain = json.loads(run("--city", "北京", "--date", "2026-01-01", "--format", "json"))
    hidden = json.loads(run(*beijing, "--format", "json"))
    expect(len(hidden["satellites"]) == len(plain["satellites"]), "every satellite")
    for before, after in zip(plain["satellites"], hidden["satellites"]):
        expect(list(after.keys()) == list(before.keys())[:-1] +
               ["horizon_elevation", "clearance", "clear", "motor_angle"],
               "horizon fields last but the motor angle")
        expect(all(after[key] == before[key] for key in before), "earlier fields unchanged")
        inside = 202.5 <= after["azimuth"] <= 270
        expect(after["horizon_elevation"] == (35.0 if inside else 0.0),
               f"{after['name']}: horizon {after['horizon_elevation']}")
        expect(abs(after["clearance"] - (after["elevation"] - after["horizon_elevation"])) < 1e-9,
               "clearance is the difference")
        expect(after["clear"] == (after["elevation"] > after["horizon_elevation"]), "clear")
    expect(any(not s["clear"] and s["visible"] for s in hidden["satellites"]),
           "the wall hides a satellite above the horizon")
    rows = list(csv.DictReader(io.StringIO(run(*beijing, "--format", "csv").decode("utf-8"),
                                           newline="")))
    for row, satellite in zip(rows, hidden["satellites"]):
        expect(list(row.keys()) == list(satellite.keys()), "CSV header is the JSON keys")
        expect(row["clear"] == ("true" if satellite["clear"] else "false"), "CSV clear")
        expect(float(row["clearance"]) == satellite["clearance"], "CSV clearance")

    svg = os.path.join(folder, "sky.svg")
    table = run(*beijing, "--sky", svg)
    expect(table == run("--city", "北京", "--date", "2026-01-01"), "the table is unchanged")
    subprocess.run(["xmllint", "--noout", svg], check=True)
    text = open(svg, encoding="utf-8").read()
    expect(text.count("<polygon ") == 1 and "遮挡物" in text, "the obstacles drawn")
    hollow = 'fill="#ffffff" stroke="#6b6b6b"'
    expect(text.count(hollow) == sum(not s["clear"] for s in hidden["satellites"]),
           "one hollow mark per hidden satellite")

# Several LNBs on one dish: the field report plus a multifeed object, and the
# CSV holding the same satellites under the same keys.
multifeed_arguments = ("--city", "北京", "--date", "2026-01-01", "--current-list",
                       "--multifeed", "134", "--focal-length", "360", "--diameter", "600")
together = json.loads(run(*multifeed_arguments, "--format", "json"))
expect(list(together.keys()) == ["site", "satellites", "multifeed"], "multifeed JSON's keys")
expect(together["site"] == plain["site"], "the site as the field report gives it")
multifeed = together["multifeed"]
expect(list(multifeed.keys()) == ["main", "focal_length_mm", "diameter_mm",
                                  "beam_deviation_factor", "satellites"], "multifeed keys")
expect(multifeed["main"]["name"] == "亚太6C  (Apstar 6C)" and
       multifeed["main"]["longitude"] == 134.0, f"main {multifeed['main']}")
expect(abs(multifeed["beam_deviation_factor"] - 0.905) < 0.0005, "BDF at f/D 0.6")
feed_keys = ["name", "longitude", "separation_deg", "right_deg", "up_deg", "lnb_right_mm",
             "lnb_up_mm", "skew_deg", "relative_skew_deg"]
feeds = multifeed["satellites"]
expect(feeds and all(list(f.keys()) == feed_keys for f in feeds), "satellite keys")
expect([f["separation_deg"] for f in feeds] == sorted(f["separation_deg"] for f in feeds),
       "nearest first")
expect(all(0 < f["separation_deg"] <= 20 and f["longitude"] != 134 for f in feeds),
       "others within 20 degrees")
in_reach = {s["name"] for s in together["satellites"] if s["visible"]} - {"亚太6C  (Apstar 6C)"}
expect({f["name"] for f in feeds} <= in_reach, "satellites of the list above the horizon")
for f in feeds:
    expect(f["lnb_right_mm"] * f["right_deg"] < 0, f"{f['name']}: LNB opposite the satellite")
    expect(abs(f["relative_skew_deg"] - (f["skew_deg"] - multifeed["main"]["skew_deg"])) < 1e-9,
           "relative skew")
rows = list(csv.DictReader(io.StringIO(run(*multifeed_arguments, "--format", "csv")
                                       .decode("utf-8"), newline="")))
expect(len(rows) == len(feeds), "one CSV row per satellite")
for row, f in zip(rows, feeds):
    expect(list(row.keys()) == feed_keys, "CSV header is the JSON keys")
    expect(row["name"] == f["name"] and float(row["lnb_up_mm"]) == f["lnb_up_mm"], "CSV row")
print("ok")

# Aiming by the sun: JSON with exactly its keys, and the CSV holding the same moments.
aim_arguments = ("--city", "北京", "--sun-aim", "--date", "2026-12-08")
aim = json.loads(run(*aim_arguments, "--format", "json"))
expect(list(aim.keys()) == ["site", "sun_aim", "satellites"], "sun-aim JSON's keys")
expect(aim["sun_aim"] == {"date": "2026-12-08", "time_zone": "UTC+08:00"}, "sun_aim settings")
expect(len(aim["satellites"]) == 39, "every satellite of the list")
for satellite in aim["satellites"]:
    expect(list(satellite.keys()) == ["name", "longitude", "azimuth", "moments"],
           "sun-aim satellite keys")
    times = [m["time"] for m in satellite["moments"]]
    expect(times == sorted(times), "moments in time order")
    for moment in satellite["moments"]:
        expect(list(moment.keys()) == ["time", "kind", "sun_elevation"], "moment keys")
        expect(moment["kind"] in ("toward", "away"), "kind")
        expect(0 < moment["sun_elevation"] < 88, "the sun up, away from the zenith")
aim_rows = list(csv.DictReader(io.StringIO(run(*aim_arguments, "--format", "csv").decode("utf-8"),
                                           newline="")))
aim_flat = [(s, m) for s in aim["satellites"] for m in s["moments"]]
expect(len(aim_rows) == len(aim_flat) > 0, "one CSV row per satellite and moment")
for row, (satellite, moment) in zip(aim_rows, aim_flat):
    expect(list(row.keys()) == ["name", "longitude", "azimuth", "date", "time", "kind",
                                "sun_elevation"], "sun-aim CSV header")
    expect(row["name"] == satellite["name"] and float(row["azimuth"]) == satellite["azimuth"] and
           row["date"] == "2026-12-08" and row["time"] == moment["time"] and
           row["kind"] == moment["kind"] and
           float(row["sun_elevation"]) == moment["sun_elevation"], f"sun-aim CSV row {row}")
