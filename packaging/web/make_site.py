#!/usr/bin/env python3
"""Makes the web site from the built program: the page, its loader, the service worker
with the list of every file, the app manifest, the icons and the licences; a brotli and
a gzip copy of each file a server can send compressed; a ZIP of the site; and one HTML file with
everything inside, for opening from a folder or a USB stick without a server."""
import argparse
import base64
import gzip
import hashlib
import html
import pathlib
import shutil
import subprocess
import zipfile

COMPRESSED = {".html", ".js", ".wasm", ".svg", ".webmanifest", ".txt"}


def fill(template, values):
    text = template
    for key, value in values.items():
        text = text.replace("@" + key + "@", value)
    return text


def script_text(source):
    # A script element ends at the first "</script", wherever it stands.
    return source.replace("</script", "<\\/script")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--templates", type=pathlib.Path, required=True)
    parser.add_argument("--program", type=pathlib.Path, required=True, help="folder of kraftfeld.js and .wasm")
    parser.add_argument("--icons", type=pathlib.Path, nargs="+", required=True)
    parser.add_argument("--licences", type=pathlib.Path, nargs="*", default=[])
    parser.add_argument("--window", required=True, help="WIDTHxHEIGHT")
    parser.add_argument("--source", type=pathlib.Path, required=True, help="the source archive")
    parser.add_argument("--site", type=pathlib.Path, required=True)
    parser.add_argument("--zip", type=pathlib.Path, required=True)
    parser.add_argument("--single", type=pathlib.Path, required=True)
    args = parser.parse_args()

    width, height = args.window.split("x")
    program_js = (args.program / "kraftfeld.js").read_text(encoding="utf-8")
    program_wasm = (args.program / "kraftfeld.wasm").read_bytes()
    loader = (args.templates / "loader.js").read_text(encoding="utf-8")
    page = (args.templates / "index.html.in").read_text(encoding="utf-8")
    common = {"WASM_SIZE": str(len(program_wasm)), "WINDOW_WIDTH": width,
              "WINDOW_HEIGHT": height, "LOADER": script_text(loader)}

    if args.site.exists():
        shutil.rmtree(args.site)
    args.site.mkdir(parents=True)
    (args.site / "kraftfeld.js").write_text(program_js, encoding="utf-8")
    (args.site / "kraftfeld.wasm").write_bytes(program_wasm)
    for icon in args.icons:
        shutil.copyfile(icon, args.site / icon.name)
    (args.site / "index.html").write_text(fill(page, dict(common, EMBEDDED="", PROGRAM=(
        '<script src="kraftfeld.js" onload="kraftfeldStart()" onerror="kraftfeldMissing()"></script>'))),
        encoding="utf-8")
    shutil.copyfile(args.templates / "manifest.webmanifest.in", args.site / "manifest.webmanifest")

    licences = args.site / "licences"
    licences.mkdir()
    items = []
    for licence in args.licences:
        shutil.copyfile(licence, licences / licence.name)
        items.append('<li><a href="%s">%s</a></li>' % (html.escape(licence.name), html.escape(licence.name)))
    licence_page = (args.templates / "licences.html.in").read_text(encoding="utf-8")
    (licences / "index.html").write_text(fill(licence_page, {"LICENCES": "\n".join(items),
                                                                    "SOURCE": html.escape(args.source.name)}), encoding="utf-8")

    # The service worker caches every file but itself and the source archive, which is
    # offered from the same place as the page but fetched only by those who want it; its
    # cache is named by the files' content.
    files = sorted(p.relative_to(args.site).as_posix() for p in args.site.rglob("*") if p.is_file())
    shutil.copyfile(args.source, args.site / args.source.name)
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (args.site / name).read_bytes())
    listed = ", ".join('"%s"' % name for name in ["./"] + files)
    worker = (args.templates / "sw.js.in").read_text(encoding="utf-8")
    (args.site / "sw.js").write_text(fill(worker, {"CACHE_KEY": digest.hexdigest()[:16], "FILES": listed}),
                                     encoding="utf-8")

    for path in sorted(args.site.rglob("*")):
        if path.is_file() and path.suffix in COMPRESSED:
            with open(path, "rb") as plain, gzip.GzipFile(str(path) + ".gz", "wb", 9, mtime=0) as packed:
                shutil.copyfileobj(plain, packed)
            # Brotli sends the program a quarter smaller than gzip; browsers take it from
            # secure sites and from this computer.
            subprocess.run(["brotli", "--best", "--force", "--keep", "--output=%s.br" % path, str(path)], check=True)

    with zipfile.ZipFile(args.zip, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path in sorted(args.site.rglob("*")):
            if path.is_file():
                archive.write(path, pathlib.Path(args.site.name) / path.relative_to(args.site))

    embedded = ('<script type="application/octet-stream" id="program-wasm">\n%s\n</script>'
                % base64.b64encode(program_wasm).decode("ascii"))
    program = "<script>\n%s\n</script>\n<script>kraftfeldStart();</script>" % script_text(program_js)
    single = fill(page, dict(common, EMBEDDED=embedded, PROGRAM=program))
    # A file stands alone: no manifest, licence folder or icons beside it, so it names its
    # licence and source in words and carries its icon.
    single = single.replace('<link rel="manifest" href="manifest.webmanifest">\n', "")
    single = single.replace('<link rel="preload" href="kraftfeld.js" as="script">\n', "")
    single = single.replace('<link rel="icon" type="image/svg+xml" href="icon.svg">\n', "")
    single = single.replace('<link rel="apple-touch-icon" href="icon-180.png">\n', "")
    icon = next(i for i in args.icons if i.name == "icon-32.png")
    single = single.replace('href="icon-32.png"', 'href="data:image/png;base64,%s"'
                            % base64.b64encode(icon.read_bytes()).decode("ascii"))
    single = single.replace('<a href="licences/index.html" target="_blank" rel="noopener">Lizenzen und Quelltext</a>',
                            "Freie Software unter der GPL 3 oder später; Lizenzen und Quelltext: %s"
                            % html.escape(args.source.name))
    args.single.write_text(single, encoding="utf-8")


if __name__ == "__main__":
    main()
