#!/usr/bin/env python3
"""Whole-process cost of tabrin4-cli against a plain pugixml parse of the same profile.

Writes generated profiles (a root and nine members per index, objects in order and shuffled)
into a copy of the demo home, runs `check`, `generate`, `eds`, `save` and `report` on each and
the program `pugixml-parse` on the same file, and prints the median CPU time (user + system) of
each, its ratio to pugixml's, and the peak resident memory (measured by GNU time, package
`time`). Needs a release build:

    cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
    cmake --build build-release
    tools/compare-with-pugixml.py [--build build-release] [--objects 10000 50000] [--runs 9]
"""

import argparse
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

MEMBER_FORMATS = [
    '<format Type="StandartNum" Size="16" Signed="false"/>',
    '<format Type="StandartNum" Size="32" Signed="true"/>',
    '<format Type="IQ" Size="16" Signed="true" QValue="12" ScaleNum="1"/>',
    '<format Type="IQ" Size="32" Signed="false" QValue="24" ScaleNum="2"/>',
    '<format Type="Bit" Visualization="Hex" Length="4" StartBit="4"/>',
    '<format Type="Float" FloatType="Absolute" Prefix="1" Units="3" NumOfFloat="2"/>',
    '<format Type="Float" FloatType="Relative" ScaleNum="0"/>',
    '<format Type="StandartNum" Size="8" Signed="false"/>',
    '<format Type="StandartNum" Size="32" Signed="false"/>',
]
MEMBER_DEFAULTS = [
    'default="100" min="0" max="1000"', 'default="-5" min="" max=""', 'default="2048" min="0" max="4096"',
    'default="4096" min="0" max="65535"', 'default="3" min="0" max="15"', 'default="1.5" min="0" max="10"',
    'default="0.75" min="0.1" max="2"', 'default="7" min="" max=""', 'default="SPEED_NOM" min="0" max="100000"',
]
ACCESS = ["Viewable", "Editable", "Protected", "Secret"]

HEADER = """<?xml version="1.0" encoding="windows-1251"?>
<root Tabrin4="v.4.0.0">
\t<dictionary_settings group_set="20" proc_series="28" prefix="0" AddrComm1="CO1_SPI_START_ADDR" \
AddrUser1="CO1_SPI_START_ADDR" AddrComm2="CO2_SPI_START_ADDR" AddrUser2="CO2_SPI_START_ADDR" BigYA="false" \
M3Includes="false" Use6000Range="true" FormatType="0" GenVostCToFolder="false" VostCFolder="" \
GenPUTextsToFolder="false" PUCodeType="0" PUTextsType="2" PUEnumsType="2" PUUseOtherEnumIfNoGiven="true" \
PUTextsHPath="" PUTextsHInc="&quot;DSP.h&quot;" PUTextsCPath="" PUTextsCInc="&quot;PU_Texts.h&quot;" \
old_groups="false" CurrSubProfile="0"/>
\t<eds_header header_text="Преобразователь частоты, профиль для измерений"/>
\t<scale_numbers>
\t\t<scale_00 units="1" prefix="0" scaleQ="4" num_of_float="1" possible_value="540" name="Напряжение"/>
\t\t<scale_01 units="2" prefix="0" scaleQ="6" num_of_float="2" possible_value="100" name="Ток"/>
\t\t<scale_02 units="3" prefix="0" scaleQ="8" num_of_float="2" possible_value="50" name="Частота"/>
\t</scale_numbers>
\t<Indexes name="Базовый профиль">
"""
FOOTER = "\t</Indexes>\n\t<SubProfiles/>\n</root>\n"


def object_element(index, subindex, number):
    address = "%04Xh.%02Xh" % (index, subindex)
    if subindex == 0:
        access, form, defaults = "Viewable", '<format Type="Root"/>', 'default="0" min="" max=""'
    else:
        member = subindex - 1
        access = ACCESS[(index + member) % 4]
        form, defaults = MEMBER_FORMATS[member], MEMBER_DEFAULTS[member]
    return (
        f'\t\t<obj_{address} DataType="{access}" name="Параметр регулятора скорости {number}" '
        f'addr="Drive.p{number}" group="{number % 5}" groupName="" fullgroup="" callback="">\n'
        f"\t\t\t{form}\n"
        f'\t\t\t<text text="П{number}" textID="{number}"/>\n'
        f"\t\t\t<defaults {defaults}/>\n"
        f'\t\t\t<description description="Описание параметра {number}"/>\n'
        f"\t\t</obj_{address}>\n"
    )


def write_profile(path, objects, shuffled):
    elements = [object_element(0x3000 + n // 10, n % 10, n) for n in range(objects)]
    if shuffled:
        random.Random(objects).shuffle(elements)
    with open(path, "wb") as file:
        file.write((HEADER + "".join(elements) + FOOTER).encode("cp1251"))


def measure(command):
    """CPU seconds (user + system) and peak resident KiB of one run; fails on a non-zero exit.

    The peak comes from GNU time around the command: a process forked from this script starts
    with the script's own peak, which would hide a smaller one."""
    with tempfile.NamedTemporaryFile("r") as peak, open(os.devnull, "wb") as null:
        process = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", peak.name] + command, stdout=null,
                                   stderr=subprocess.PIPE)
        _, status, usage = os.wait4(process.pid, 0)
        errors = process.stderr.read().decode(errors="replace")
        process.stderr.close()
        process.returncode = os.waitstatus_to_exitcode(status)
        if process.returncode != 0:
            sys.exit(f"{' '.join(command)} exited with {process.returncode}:\n{errors}")
        return usage.ru_utime + usage.ru_stime, int(peak.read().split()[-1])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build-release"))
    parser.add_argument("--objects", type=int, nargs="+", default=[10000, 50000])
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--commands", nargs="+", default=["check", "generate", "eds", "save", "report"])
    options = parser.parse_args()

    cli = os.path.join(options.build, "src", "cli", "tabrin4-cli")
    pugixml = os.path.join(options.build, "benchmarks", "pugixml-parse")
    with tempfile.TemporaryDirectory(prefix="tabrin-compare-") as work:
        home = os.path.join(work, "home")
        shutil.copytree(os.path.join(ROOT, "demo"), home)
        print(f"{'profile':<24}{'command':<10}{'CPU ms':>9}{'x pugixml':>11}{'peak MiB':>10}{'MiB/MiB':>9}")
        for objects in options.objects:
            for shuffled in (False, True):
                name = f"{objects}{'-shuffled' if shuffled else ''}"
                profile = os.path.join(work, f"profile-{name}.xml")
                write_profile(profile, objects, shuffled)
                size = os.path.getsize(profile) / 2**20
                outputs = {
                    "check": [],
                    "generate": ["-o", os.path.join(work, "vost.c")],
                    "eds": ["-o", os.path.join(work, "out.eds")],
                    "save": ["-o", os.path.join(work, "saved.xml")],
                    "report": ["-o", os.path.join(work, "report.docx")],
                }
                runs = {"pugixml": [measure([pugixml, profile]) for _ in range(options.runs)]}
                for command in options.commands:
                    arguments = [cli, "--home", home, command, profile] + outputs[command]
                    runs[command] = [measure(arguments) for _ in range(options.runs)]
                base = statistics.median(cpu for cpu, _ in runs["pugixml"])
                label = f"{name} ({size:.1f} MiB)"
                for command, samples in runs.items():
                    cpu = statistics.median(c for c, _ in samples)
                    peak = max(p for _, p in samples) / 1024
                    print(f"{label:<24}{command:<10}{cpu * 1000:>9.1f}{cpu / base:>11.2f}{peak:>10.1f}{peak / size:>9.1f}")
                    label = ""
                report = runs.get("report")
                if report:
                    limit = 3 * size + 50
                    peak = max(p for _, p in report) / 1024
                    print(f"{'':<24}report peak {peak:.1f} MiB against 3 x size + 50 = {limit:.1f} MiB")


if __name__ == "__main__":
    main()
