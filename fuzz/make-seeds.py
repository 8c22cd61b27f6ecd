#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/.

    fuzz/make-seeds.py SAMPLE_GEN

SAMPLE_GEN is a built quillmere-sample-gen (for example
build/native/tools/sample_gen/quillmere-sample-gen). The seeds are the sample
products shrunk to 8 x 8 pixels, packed the way each target reads its input, and
the edge cases of the unit tests. Files of the same names are replaced; others in
the corpus folders (reproducers of fixed crashes) stay.
"""
import pathlib
import struct
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / "fuzz" / "corpus"
# fuzz/support/fuzz_input.h: kPartSeparator.
PART_SEPARATOR = b"\n--QM-PART--\n"


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


# --- Files as the product's readers expect them -------------------------------------

def label_line(columns, marker=b"ZEPHYRLAB"):
    """256 characters: columns at 0, 39, 79, 119 and 159, the marker at 199."""
    line = bytearray(b" " * 256)
    for start, column in zip((0, 39, 79, 119, 159), columns):
        line[start:start + len(column)] = column
    line[199:199 + len(marker)] = marker
    return bytes(line[:256])


def label_text(lines, line_end=b"\r\n"):
    return b"".join(label_line(columns) + line_end for columns in lines)


def fast_header(pixels, lines, line_end=b"\n"):
    """A header whose numbers stand at text offsets 842 and 864."""
    text = bytearray(b"h" * 900)
    text[842:842 + len(pixels)] = pixels
    text[864:864 + len(lines)] = lines
    # Line ends every 80 characters, counted as one character however written.
    rows = [bytes(text[i:i + 79]) for i in range(0, len(text), 80)]
    return line_end.join(rows)


def record_band(record_length, records, prefix, suffix, first_fills, last_fills, extra=0):
    """The unit tests' layout: record length at 8, prefix and suffix counts as text
    at 20 and 24, 2-byte fills at record offsets 16 and 18."""
    data = bytearray(bytes(i % 251 for i in range(record_length * records + extra)))
    data[8:12] = struct.pack(">I", record_length)
    data[20:24] = prefix
    data[24:28] = suffix
    last = record_length * (records - 1)
    for start, fills in ((record_length, first_fills), (last, last_fills)):
        if start + 20 <= len(data):
            data[start + 16:start + 20] = struct.pack(">HH", *fills)
    return bytes(data)


# --- Inputs of the targets that read choices first -----------------------------------

SAMPLE_FRAMING = ((32, 8), (40, 8), (24, 2), (26, 2))  # res/QMDATA.INI
TEST_FRAMING = ((20, 4), (24, 4), (16, 2), (18, 2))    # tests/band_pixels_test.cpp
NO_FRAMING = ((0, 0), (0, 0), (0, 0), (0, 0))

FAST, DOUBLED, THREE_BANDS, AUTOMATIC, GREENLESS, NARROWER_GREEN = 1, 2, 4, 8, 16, 32


def band_input(band, flags=0, header=(0, 0), framing=NO_FRAMING, zoom=1, origin=(0, 0),
               size=(16, 16), levels=(0, 255), scale=100):
    """fuzz/band_file.cpp: Choices, then the band file."""
    choices = struct.pack(">Bii", flags, *header)
    for position, width in framing:
        choices += struct.pack(">hb", position, width)
    choices += struct.pack(">bhhbbhhh", zoom, *origin, *size, *levels, scale)
    assert len(choices) == 34
    return choices + band


JSON, STATS, FAST_NAMES = 1, 2, 4


def product_input(flags, label, config, header, band1, band2):
    """fuzz/open_product.cpp: a choice byte, then the five files."""
    return bytes([flags]) + PART_SEPARATOR.join((label, config, header, band1, band2))


# --- The corpora ---------------------------------------------------------------------

def label_seeds(samples):
    for name in ("SYN7REC.LAB", "SYN7FAST.LAB"):
        text = (samples / name).read_bytes()
        write("label_text", "sample-" + name, text)
        write("label_text", "sample-lf-" + name, text.replace(b"\r\n", b"\n"))
    sample = (samples / "SYN7REC.LAB").read_bytes()
    cases = {
        "last-line-short": sample + b"A : 1" + b" " * 195,
        "no-marker": sample.replace(b"ZEPHYRLAB", b"ZEPHYRLA_"),
        "marker-in-value": label_line([b"A : ZEPHYRLAB"], b"") + b"\n",
        "marker-after-pairs": label_line([b"A : 1"], b"") + b"\nZEPHYRLAB",
        "name-ends-in-space": label_text([[b"Satellite  : X-1"]]),
        "empty-values": label_text([[b"N :      ", b"M : "]]),
        "tab-in-value": label_text([[b"N :  \tx\t  "]]),
        "second-separator": label_text([[b"N : a : b"]]),
        "name-36": label_text([[b"N" * 36 + b" : v"]]),
        "name-37": label_text([[b"N" * 37 + b" : v"]]),
        "granule-id-first": label_text([[b"Granule ID : G1", b"Path : 7" + b"." * 31 + b"Z"]]),
        "granule-id-last": label_line([b"", b"", b"", b"", b"Granule ID : G5"],
                                      b"t" * 39 + b"XZEPHYRLAB") + b"\n",
        "short-line-198": b"-" * 198 + b"\n" + label_text([[b"B : b"], [b"C : c"]]),
        "short-line-199": b"-" * 199 + b"\n" + label_text([[b"B : b"], [b"C : c"]]),
        "known-keys-scattered": label_text([
            [b"X : x", b"Number Of Lines : 9", b"Number of Lines : 8",
             b"Number of Pixels : 7", b"Logical Format : 6"],
            [b"Y : y", b"Center Longitude : 5", b"Center Latitude : 4", b"Obs. Date : 3",
             b"Sensor : 2"],
            [b"Satellite : 1"]]),
        "duplicates": label_text([[b"A : a", b"Sensor : s", b"B : b", b"Satellite : one",
                                   b"Satellite : two"]]),
        "numbers": label_text([[b"Cloud Coverage : -1", b"I : 42abc", b"J : -7",
                                b"K : 99999999999", b"L : +"]]),
        "dates": label_text([[b"Obs. Date : 1998/07/15", b"Production Date : 1998",
                              b"D : +1998-+7-+15", b"E : ", b"F : 1998/07/"]]),
    }
    for name, text in cases.items():
        write("label_text", name, text)


def profile_seeds(config):
    test_ini = (b"; configuration for the profile tests\r\n[Logical Format]\r\n"
                b"  CEOS-A  =  1  \r\nfast=2\r\nHex = 0x10\r\nNegative=-5\r\nTrailing= 12abc\r\n"
                b"Empty=\r\nNoEquals\r\nDup=first\r\nDup=second\r\n"
                b"Quoted = \"quoted value\" \r\nHalf = \"only opening\r\nQuotedNumber=\"42\"\r\n"
                b"Long=123456789012345678901234567890123\r\n"
                b"Spaced key = with inner  spaces \r\n"
                b"[Other]\nfast=7\n[logical format]\nLater=3\n")
    cases = {
        "sample-logical-format": (b"Logical Format", b"SAMPLE-RECORD", config),
        "sample-band-name": (b"SYNTH-7MSR", b"BAND80", config),
        "sample-framing": (b"synth-7msr", b"prefixsize", config),
        "windows-rules-long": (b"logical format", b"Long", test_ini),
        "windows-rules-hex": (b"Logical Format", b"Hex", test_ini),
        "windows-rules-quoted": (b"Logical Format", b"Half", test_ini),
        "windows-rules-later-section": (b"Logical Format", b"Later", test_ini),
        "byte-order-mark": (b"A", b"k", b"\xef\xbb\xbf[A]\nk=v\n"),
        "unclosed-section": (b"A", b"k", b"[A\nk=1\n[A]\nk=2\n"),
        "octal-binary": (b"S", b"o", b"[S]\no=0o17\nb=0b101\nx=0xFFFFFFFF\n"),
        "empty-file": (b"", b"", b""),
    }
    for name, (section, key, text) in cases.items():
        write("profile", name, section + b"\n" + key + b"\n" + text)


def fast_header_seeds(samples):
    for kind in ("HRF", "HTM", "HPN"):
        header = (samples / "SYN7FAST" / ("L71SYN7_" + kind + ".FST")).read_bytes()
        write("fast_header", "sample-header" + ("" if kind == "HRF" else "-" + kind.lower()), header)
    lf = (samples / "SYN7FAST" / "L71SYN7_HRF.FST").read_bytes().replace(b"\r\n", b"\n")
    write("fast_header", "sample-header-lf", lf)
    write("fast_header", "sample-header-unended", lf.replace(b"\n", b" "))
    cases = {
        "numbers-512-480": fast_header(b"512 ", b"480 "),
        "numbers-crlf": fast_header(b"512 ", b"480 ", b"\r\n"),
        "band80-600-500": fast_header(b"600 ", b"500 "),
        "signs-and-blanks": fast_header(b"  +7", b"-600"),
        "too-long-digits": fast_header(b"99999999999", b"4294967296"),
        "no-digits": fast_header(b"x", b" "),
        "ends-before-lines": fast_header(b"512 ", b"480 ")[:860],
        "ends-at-pixels": fast_header(b"512 ", b"480 ")[:842],
    }
    for name, text in cases.items():
        write("fast_header", name, text)


def band_seeds(samples):
    record = (samples / "SYN7REC" / "SYN7REC_B1.DAT").read_bytes()
    fast = (samples / "SYN7FAST" / "L71SYN7_B10.FST").read_bytes()
    pan = (samples / "SYN7FAST" / "L71SYN7_B80.FST").read_bytes()
    worked = record_band(800, 11, b" 180", b"   0", (10, 30), (12, 25))
    cases = {
        "sample-record-grey": band_input(record, framing=SAMPLE_FRAMING),
        "sample-record-colour": band_input(record, THREE_BANDS | AUTOMATIC,
                                           framing=SAMPLE_FRAMING, zoom=3, origin=(2, 1)),
        "sample-fast": band_input(fast, FAST | THREE_BANDS, header=(8, 8), levels=(40, 90)),
        "sample-band80": band_input(pan, FAST | DOUBLED, header=(8, 8), zoom=2),
        "worked-example": band_input(worked, framing=TEST_FRAMING, size=(64, 8)),
        "worked-example-extra-bytes": band_input(record_band(800, 11, b" 180", b"   0",
                                                             (10, 30), (12, 25), extra=5),
                                                 THREE_BANDS | GREENLESS, framing=TEST_FRAMING),
        "prefix-with-blanks": band_input(record_band(64, 4, b"   7", b"  3 ", (1, 2), (2, 1)),
                                         framing=TEST_FRAMING),
        "field-too-wide": band_input(worked, framing=((20, 17), (24, 4), (16, 2), (18, 2))),
        "fills-past-record": band_input(record_band(64, 4, b"   0", b"   0", (60, 60), (1, 1)),
                                        framing=TEST_FRAMING),
        "record-length-zero": band_input(record_band(0, 0, b"", b"", (0, 0), (0, 0), extra=64)),
        "shorter-than-header": band_input(b"\0" * 11),
        "one-record-only": band_input(record_band(64, 1, b"   0", b"   0", (0, 0), (0, 0))),
        "fast-more-lines-than-file": band_input(bytes(i % 251 for i in range(430)), FAST,
                                                header=(100, 10)),
        "fast-empty-file": band_input(b"", FAST, header=(64, 8)),
        "fast-beyond-file": band_input(b"", FAST, header=(1024, 1025)),
        "fast-too-large": band_input(b"", FAST | DOUBLED, header=(40000, 40000)),
        "narrower-green": band_input(record, THREE_BANDS | NARROWER_GREEN, framing=SAMPLE_FRAMING,
                                     origin=(3, 0), levels=(10, 200)),
        "zoom-and-origin-odd": band_input(fast, FAST | THREE_BANDS, header=(8, 8), zoom=-3,
                                          origin=(7, 9), size=(-1, 5), levels=(300, -100),
                                          scale=0),
    }
    for name, data in cases.items():
        write("band_file", name, data)


def product_seeds(samples, config):
    rec_label = (samples / "SYN7REC.LAB").read_bytes()
    fast_label = (samples / "SYN7FAST.LAB").read_bytes()
    rec = [(samples / "SYN7REC" / f"SYN7REC_B{i}.DAT").read_bytes() for i in (1, 2)]
    fast = [(samples / "SYN7FAST" / f"L71SYN7_B{i}.FST").read_bytes() for i in (10, 80)]
    header = (samples / "SYN7FAST" / "L71SYN7_HRF.FST").read_bytes()
    any_mask = config.replace(b"[FileNameMask]", b"[NoFileNameMask]")
    no_format = rec_label.replace(b"Logical Format", b"Logical Formal")
    cases = {
        "sample-record-text": product_input(0, rec_label, config, b"", *rec),
        "sample-record-json-stats": product_input(JSON | STATS, rec_label, config, b"", *rec),
        "sample-fast-text-stats": product_input(FAST_NAMES | STATS, fast_label, config, header,
                                                *fast),
        "sample-fast-json": product_input(FAST_NAMES | JSON, fast_label, config, header, *fast),
        "fast-empty-header": product_input(FAST_NAMES | JSON, fast_label, config, b"", *fast),
        "every-file-a-band": product_input(JSON | STATS, rec_label, any_mask, header, *rec),
        "label-without-format": product_input(JSON, no_format, config, b"", *rec),
        "label-without-marker": product_input(JSON, rec_label.replace(b"ZEPHYRLAB", b"X"),
                                              config, b"", *rec),
    }
    for name, data in cases.items():
        write("open_product", name, data)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with tempfile.TemporaryDirectory() as folder:
        samples = pathlib.Path(folder)
        subprocess.run([sys.argv[1], str(samples), "--size", "8x8"], check=True,
                       stdout=subprocess.DEVNULL)
        # The program reads its configuration in code page 932, as the build converts it.
        config = (ROOT / "res" / "QMDATA.INI").read_text(encoding="utf-8").encode("cp932")
        label_seeds(samples)
        profile_seeds(config)
        fast_header_seeds(samples)
        band_seeds(samples)
        product_seeds(samples, config)


if __name__ == "__main__":
    main()
