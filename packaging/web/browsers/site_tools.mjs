// What the browser tests share: a tally of checks, the site served on this computer, and
// reading the window's screenshots (text recognition of a read-out, how much of two
// pictures differs, where they differ).
import { execFileSync, spawn } from "node:child_process";
import { createInterface } from "node:readline";

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

export class Checks {
  constructor(name) {
    this.name = name;
    this.passed = 0;
    this.failed = 0;
  }

  that(what, ok, detail = "") {
    if (ok) {
      ++this.passed;
      console.log(`PASS ${what}`);
    } else {
      this.fail(`${what}${detail ? ` (${detail})` : ""}`);
    }
  }

  equal(what, actual, wanted) {
    this.that(`${what}: ${JSON.stringify(wanted)}`, actual === wanted, `got ${JSON.stringify(actual)}`);
  }

  // A check left out here for a reason known and named.
  skip(what, reason) {
    console.log(`SKIP ${what}: ${reason}`);
  }

  fail(what) {
    ++this.failed;
    console.log(`FAIL ${what}`);
  }

  finish() {
    console.log(`${this.name}: ${this.passed} passed, ${this.failed} failed`);
    return this.failed === 0 && this.passed > 0 ? 0 : 1;
  }
}

// The site on a free port of 127.0.0.1, as the project's own server sends it.
export async function serve(site) {
  const server = spawn("python3", [process.env.KRAFTFELD_SERVE, site, "0"], { stdio: ["ignore", "pipe", "inherit"] });
  const lines = createInterface({ input: server.stdout });
  const url = await new Promise((resolve, reject) => {
    lines.once("line", resolve);
    server.once("exit", () => reject(new Error("the server did not start")));
  });
  return { url, stop: () => server.kill() };
}

// Where the read-outs lie in the window: width, height, left, top.
const crops = { segment: [89, 17, 616, 352], total: [89, 17, 612, 432] };

// The text of a work read-out, read from a crop enlarged to five times the window's size;
// `scale` is the size the shot shows the window at.
export function readOut(shot, which, work, scale = 1) {
  const crop = `${work}/readout.png`;
  const [width, height, left, top] = crops[which].map((n) => Math.round(n * scale));
  execFileSync("convert", [shot, "-crop", `${width}x${height}+${left}+${top}`, "+repage",
                           "-resize", `${500 / scale}%`, "-colorspace", "gray", crop]);
  return execFileSync("tesseract", [crop, "-", "--psm", "7", "-c", "tessedit_char_whitelist=0123456789-,.; Ncm"],
                      { stdio: ["ignore", "pipe", "ignore"] }).toString().replace(/\f/g, "").trim();
}

function differenceArgs(a, b) {
  return [a, b, "-compose", "difference", "-composite", "-colorspace", "gray", "-threshold", "12%"];
}

// The share of pixels that differ clearly between two pictures of the same size.
export function differingShare(a, b) {
  const mean = execFileSync("convert", [...differenceArgs(a, b), "-format", "%[fx:mean]", "info:"]).toString();
  return Number(mean);
}

// Where two pictures differ, below the line `top`: {x, y, width, height}, or null.
export function changedBox(a, b, top) {
  const out = execFileSync("convert", [...differenceArgs(a, b), "-fill", "black", "-draw", `rectangle 0,0 10000,${top}`,
                                       "-format", "%@", "info:"]).toString().trim();
  const match = out.match(/(\d+)x(\d+)\+(\d+)\+(\d+)$/);
  if (!match || Number(match[1]) <= 1)
    return null;
  return { width: Number(match[1]), height: Number(match[2]), x: Number(match[3]), y: Number(match[4]) };
}
