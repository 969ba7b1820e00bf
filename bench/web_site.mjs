// Figures of the web site, one a line, "name value unit": what a first visit transfers, how
// soon after navigation the window is painted, and what a traced movement costs the
// browser with 1 and with 1,000 segments, in headless Chromium on this machine.
//   node web_site.mjs SITE_FOLDER
import { readdirSync, statSync, existsSync } from "node:fs";
import { join } from "node:path";
import { engines } from "./engines.mjs";
import { serve, sleep } from "./site_tools.mjs";

const site = process.argv[2];

// Every file of the site as the server sends it to Chromium, which takes brotli; the
// service worker fetches all of them on the first visit. The source archive is offered
// for download, not fetched.
function transferred(folder) {
  let bytes = 0;
  for (const entry of readdirSync(folder, { withFileTypes: true })) {
    const path = join(folder, entry.name);
    if (entry.isDirectory())
      bytes += transferred(path);
    else if (![".gz", ".br", ".tar.xz"].some((suffix) => entry.name.endsWith(suffix)))
      bytes += statSync([path + ".br", path + ".gz", path].find(existsSync)).size;
  }
  return bytes;
}
console.log(`first_visit_transfer_mb ${(transferred(site) / 1e6).toFixed(2)} MB`);

// Counts, inside the page, when the window is first put on the canvas, and how long the
// program's pointer handlers and its animation frames run.
const probe = () => {
  window.probe = { firstDraw: null, work: 0 };
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function (...args) {
    if (window.probe.firstDraw === null)
      window.probe.firstDraw = performance.now();
    return put.apply(this, args);
  };
  const frame = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = (callback) => frame((time) => {
    const start = performance.now();
    callback(time);
    window.probe.work += performance.now() - start;
  });
  let start = 0;
  window.addEventListener("pointermove", () => { start = performance.now(); }, true);
  window.addEventListener("pointermove", () => { window.probe.work += performance.now() - start; }, false);
};

const server = await serve(site);
const starts = [];
for (let run = 0; run < 5; ++run) {
  const engine = await engines.chromium("de-DE");
  await engine.page.evaluateOnNewDocument(probe);
  await engine.open(server.url);
  while (!(await engine.evaluate("window.probe.firstDraw"))) await sleep(20);
  starts.push(await engine.evaluate("window.probe.firstDraw"));
  await engine.close();
}
starts.sort((a, b) => a - b);
console.log(`first_paint_ms_median ${starts[2].toFixed(0)} ms`);

const engine = await engines.chromium("de-DE");
await engine.page.evaluateOnNewDocument(probe);
await engine.open(server.url);
while (!(await engine.evaluate("document.body.classList.contains('running')"))) await sleep(50);
await sleep(1500);
// Moves back and forth over the field picture, the open segment following.
async function moveCost(count) {
  await engine.evaluate("(window.probe.work = 0)");
  for (let i = 0; i < count; ++i) {
    await engine.move(200 + (i % 40) * 3, 150 + (i % 25) * 4);
    await sleep(20);
  }
  return (await engine.evaluate("window.probe.work")) / count;
}
await engine.press(100, 100);
console.log(`move_ms_1 ${(await moveCost(60)).toFixed(2)} ms`);
for (let i = 1; i < 1000; ++i)
  await engine.press(60 + (i * 37) % 320, 60 + (i * 53) % 320);
console.log(`move_ms_1000 ${(await moveCost(60)).toFixed(2)} ms`);
await engine.close();
server.stop();
