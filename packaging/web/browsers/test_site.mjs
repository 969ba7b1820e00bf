// The built site in one browser engine, used as a pupil would with real input events:
// the page loads, the window shows at its place and scale, the list opens drawn and an
// entry is chosen by clicking it, a path traced in the sphere field reads what the Linux
// program reads for the same clicks, a right press ends the path, "Energie" and "Linien
// löschen" act; under German and English browser languages.
//   node test_site.mjs ENGINE SITE_FOLDER DOCS_FOLDER WORK_FOLDER SINGLE_FILE
import { writeFile } from "node:fs/promises";
import { pathToFileURL } from "node:url";
import { engines, room } from "./engines.mjs";
import { Checks, serve, readOut, differingShare, changedBox, sleep } from "./site_tools.mjs";

const [engineName, site, docs, work, singleFile] = process.argv.slice(2);
const checks = new Checks(engineName);

// Places in the window's client area, as in the Windows test: the list's arrow, three
// points of a path in the sphere field, a place off the field.
const listArrow = [750, 16];
const p1 = [314, 134], p2 = [359, 269], p3 = [135, 314];
const energie = [750, 444], linienLoschen = [752, 484];
// What the Linux program reads for the same clicks; # stands for the decimal separator.
const expected = { first: "-0#33 Ncm", second: "0#38 Ncm", totalFirst: "0 Ncm", totalSecond: "-1 Ncm" };

async function waitForWindow(engine, name) {
  for (let i = 0; i < 300; ++i) {
    if (await engine.evaluate("document.body.classList.contains('running')")) {
      await sleep(1500);
      return true;
    }
    await sleep(100);
  }
  checks.fail(`${name}: the window never showed`);
  return false;
}

// Opens the list by its arrow, finds the drawn popup as what changed below the list, and
// clicks entry `index` of its eight.
async function chooseEntry(engine, index, name) {
  const before = `${work}/${name}-before-list.png`, open = `${work}/${name}-list-open.png`;
  const { scaleX, scaleY } = await engine.canvasBox();
  await engine.screenshot(before);
  await engine.press(...listArrow);
  await sleep(800);
  await engine.screenshot(open);
  const box = changedBox(before, open, 30 * scaleY);
  checks.that(`${name}: the list's popup is drawn`, box && box.height > 80 * scaleY, box ? JSON.stringify(box) : "nothing changed");
  if (!box)
    return false;
  await engine.press((box.x + box.width / 2) / scaleX, (box.y + (box.height * (2 * index + 1)) / 16) / scaleY);
  await sleep(800);
  return true;
}

// The window fills the room the page has, larger or smaller, centred, drawn with a pixel
// of its canvas for each it covers on the screen, and a segment traced on it reads as on
// the desktop: `trace` traces it and gives the read-out expected.
async function fitsTheRoom(engine, name, trace) {
  await sleep(800);
  const margins = await engine.evaluate("(c => { const b = c.getBoundingClientRect(), " +
    "s = c.parentNode.getBoundingClientRect(); return [b.left - s.left, s.right - b.right, b.top - s.top, " +
    "s.bottom - b.bottom]; })(document.getElementById('screen'))");
  const [left, right, top, bottom] = margins;
  checks.that(`${name}: the window fills the room, centred`,
              Math.min(left + right, top + bottom) <= 1 && Math.abs(left - right) <= 2 && Math.abs(top - bottom) <= 2,
              JSON.stringify(margins));
  // Qt draws with no fewer pixels than the window has; the browser reduces from there.
  const box = await engine.canvasBox();
  const ratio = await engine.evaluate("window.devicePixelRatio");
  const drawn = Math.max(ratio, Math.min(ratio, 1) / box.scaleX);
  checks.equal(`${name}: a pixel of the canvas for each pixel on the screen`,
               await engine.evaluate("(c => c.width + 'x' + c.height)(document.getElementById('screen'))"),
               `${Math.round(box.width * drawn)}x${Math.round(box.height * drawn)}`);
  const expected = await trace();
  await sleep(600);
  const shot = `${work}/${name}.png`;
  await engine.screenshot(shot);
  checks.equal(`${name}: the open segment`, readOut(shot, "segment", work, box.scaleX), expected);
}

async function session(language, separator) {
  const name = `${engineName}-${language}`;
  const engine = await engines[engineName](language);
  const server = await serve(site);
  try {
    await engine.open(server.url);
    if (!(await waitForWindow(engine, name)))
      return;
    await engine.away();
    const start = `${work}/${name}-start.png`;
    await engine.screenshot(start);
    checks.that(`${name}: the window at its place and scale`,
                differingShare(start, `${docs}/window.png`) < 0.005, `${differingShare(start, `${docs}/window.png`)}`);

    if (await chooseEntry(engine, 5, name)) {
      await engine.away();
      await sleep(500);
      const chosen = `${work}/${name}-sphere.png`;
      await engine.screenshot(chosen);
      const share = differingShare(chosen, `${docs}/entry-5.png`);
      checks.that(`${name}: the sphere field chosen, the list closed`, share < 0.005, `${share}`);
    }

    const value = (text) => text.replace("#", separator);
    await engine.press(...p1);
    await engine.move(...p2);
    await sleep(600);
    let shot = `${work}/${name}-segment1.png`;
    await engine.screenshot(shot);
    checks.equal(`${name}: segment P1 to P2`, readOut(shot, "segment", work), value(expected.first));
    checks.equal(`${name}: total before`, readOut(shot, "total", work), expected.totalFirst);
    await engine.press(...p2);
    await engine.move(...p3);
    await sleep(600);
    shot = `${work}/${name}-segment2.png`;
    await engine.screenshot(shot);
    checks.equal(`${name}: segment P2 to P3`, readOut(shot, "segment", work), value(expected.second));
    checks.equal(`${name}: total after one segment`, readOut(shot, "total", work), expected.totalSecond);

    // A projector's room: the window drawn larger, pointed at where it is shown.
    await engine.viewport(1400, 1000);
    await fitsTheRoom(engine, `${name} 1400x1000`, async () => {
      await engine.move(...p1);
      await engine.move(...p3);
      return value(expected.second);
    });
    await engine.viewport(room.width, room.height);
    await sleep(800);

    // "Energie" hides the diagram and shows it again; "Linien löschen" erases the path.
    await engine.away();
    await sleep(300);
    const shown = `${work}/${name}-diagram-shown.png`, hidden = `${work}/${name}-diagram-hidden.png`;
    await engine.screenshot(shown);
    await engine.press(...energie);
    await engine.away();
    await sleep(600);
    await engine.screenshot(hidden);
    checks.that(`${name}: "Energie" acts`, differingShare(shown, hidden) > 0.002, `${differingShare(shown, hidden)}`);
    await engine.press(...energie);
    await engine.press(...linienLoschen);
    await engine.away();
    await sleep(600);
    const erased = `${work}/${name}-erased.png`;
    await engine.screenshot(erased);
    const share = differingShare(erased, `${docs}/entry-5.png`);
    checks.that(`${name}: "Linien löschen" erases the path`, share < 0.005, `${share}`);
    checks.equal(`${name}: "Linien löschen" puts the read-outs back`,
                 `${readOut(erased, "segment", work)} | ${readOut(erased, "total", work)}`, "0 Ncm | 0 Ncm");

    // A right press ends the path, and no browser menu opens over the page. Last, since
    // WebKitGTK's WebDriver sends the page no input at all after a right press.
    await engine.press(...p1);
    await engine.move(...p2);
    await engine.evaluate("(window.menus = 0, document.addEventListener('contextmenu', (e) => { if (!e.defaultPrevented) ++window.menus; }), 0)");
    await engine.press(...p2, "right");
    await sleep(400);
    const ended = `${work}/${name}-ended.png`;
    await engine.screenshot(ended);
    checks.equal(`${name}: segment P1 to P2 again`, readOut(ended, "segment", work), value(expected.first));
    await engine.move(...p3);
    await sleep(600);
    const afterMove = `${work}/${name}-moved-after-end.png`;
    await engine.screenshot(afterMove);
    checks.equal(`${name}: after the right press the read-out stays`, readOut(afterMove, "segment", work), value(expected.first));
    checks.equal(`${name}: no browser menu`, await engine.evaluate("window.menus"), 0);
    checks.equal(`${name}: no error on the console`, engine.consoleErrors.join(" | "), "");
  } catch (error) {
    checks.fail(`${name}: ${error.stack || error}`);
  } finally {
    await engine.close();
    server.stop();
  }
}

// In Chromium also: touch, a screen of pixel ratio 2, a browser without WebGL, the page
// opened again with the server gone, no request to another host, and the single file
// opened from a folder.
async function chromiumOnly() {
  const name = "chromium-more";
  const server = await serve(site);
  let engine = await engines.chromium("de-DE");
  try {
    await engine.open(server.url);
    if (!(await waitForWindow(engine, name)))
      return;
    await chooseEntry(engine, 5, name);
    // A tap starts the path at P1; a finger dragged from P1 to P2 draws the open segment.
    await engine.tap(...p1);
    await engine.drag(p1, p2);
    await sleep(600);
    const dragged = `${work}/${name}-dragged.png`;
    await engine.screenshot(dragged);
    checks.equal(`${name}: tap, then a drag from P1 to P2`, readOut(dragged, "segment", work), "-0,33 Ncm");
    // A finger held still ends the path, as a right press does: the segment counts.
    await engine.hold(...p2);
    await sleep(600);
    const held = `${work}/${name}-held.png`;
    await engine.screenshot(held);
    checks.equal(`${name}: a hold ends the path and counts the segment`, readOut(held, "total", work), "-1 Ncm");
    // A pen does what a finger does, and held above the screen it moves the pointer.
    await engine.penTap(...p1);
    await engine.penHover(p1, p2);
    await sleep(600);
    const penned = `${work}/${name}-pen.png`;
    await engine.screenshot(penned);
    checks.equal(`${name}: a pen's tap at P1, then the pen above P2`, readOut(penned, "segment", work), "-0,33 Ncm");
    await engine.penHold(...p2);
    await sleep(600);
    const penHeld = `${work}/${name}-pen-held.png`;
    await engine.screenshot(penHeld);
    // Ended there, as a finger's hold ends it; a second press would have left a segment of
    // no length, reading 0.
    checks.equal(`${name}: a pen held still ends the path at P2`, readOut(penHeld, "segment", work), "-0,33 Ncm");
    // The page resized: the window follows, up for a projector and down for a phone.
    const segment = async () => {
      await engine.press(...p1);
      await engine.move(...p2);
      return "-0,33 Ncm";
    };
    for (const [width, height] of [[1400, 1000], [700, 480]]) {
      await engine.viewport(width, height);
      await fitsTheRoom(engine, `${name} ${width}x${height}`, segment);
      await engine.press(...p2, "right");
    }
    await engine.viewport(room.width, room.height);
    const foreign = engine.requests.filter((url) => !url.startsWith(server.url) && !url.startsWith("data:"));
    checks.equal(`${name}: no request to another host`, foreign.join(" "), "");
    checks.equal(`${name}: no error on the console`, engine.consoleErrors.join(" | "), "");
    // The service worker kept every file: with the server stopped the page opens again.
    await engine.evaluate("navigator.serviceWorker.ready.then(() => true)");
    server.stop();
    await engine.page.reload({ waitUntil: "load" });
    if (await waitForWindow(engine, `${name} offline`)) {
      await engine.away();
      const offline = `${work}/${name}-offline.png`;
      await engine.screenshot(offline);
      checks.that(`${name}: opens again without the server`, differingShare(offline, `${docs}/window.png`) < 0.005);
    }
    await engine.close();

    engine = await engines.chromium("de-DE", { deviceScaleFactor: 2 });
    const again = await serve(site);
    await engine.open(again.url);
    if (await waitForWindow(engine, `${name} ratio 2`)) {
      await engine.away();
      await engine.screenshot(`${work}/${name}-ratio2.png`);
      checks.equal(`${name}: at pixel ratio 2 the window is drawn with twice the pixels`,
                   await engine.evaluate("(c => c.width + 'x' + c.height)(document.getElementById('screen'))"), "1724x1120");
    }
    again.stop();
    await engine.close();

    // A school's computer whose browser has WebGL switched off, or no graphics card for it.
    engine = await engines.chromium("de-DE", { args: ["--disable-webgl", "--disable-3d-apis"] });
    const plain = await serve(site);
    await engine.open(plain.url);
    if (await waitForWindow(engine, `${name} without WebGL`)) {
      await engine.away();
      const shot = `${work}/${name}-without-webgl.png`;
      await engine.screenshot(shot);
      checks.that(`${name}: drawn where the browser has no WebGL`, differingShare(shot, `${docs}/window.png`) < 0.005);
    }
    plain.stop();
    await engine.close();

    // A learning platform shows the page in a frame of its own size.
    engine = await engines.chromium("de-DE");
    const framed = await serve(site);
    await writeFile(`${work}/platform.html`, `<body style="margin:20px"><iframe src="${framed.url}" ` +
                    `width="700" height="480" style="border:0"></iframe>`);
    const platform = await serve(work);
    // Another site than the page's: the platform's name for this machine.
    await engine.openInFrame(`${platform.url.replace("127.0.0.1", "localhost")}platform.html`, framed.url);
    if (await waitForWindow(engine, `${name} in a frame`) && await chooseEntry(engine, 5, `${name}-frame`))
      await fitsTheRoom(engine, `${name} in a 700x480 frame`, segment);
    platform.stop();
    framed.stop();
    await engine.close();

    engine = await engines.chromium("de-DE");
    await engine.open(pathToFileURL(singleFile).href);
    if (await waitForWindow(engine, `${name} single file`)) {
      await engine.away();
      const single = `${work}/${name}-single-file.png`;
      await engine.screenshot(single);
      checks.that(`${name}: the single file opens from a folder`, differingShare(single, `${docs}/window.png`) < 0.005);
    }
  } catch (error) {
    checks.fail(`${name}: ${error.stack || error}`);
  } finally {
    await engine.close();
    server.stop();
  }
}

await session("de-DE", ",");
await session("en-US", ".");
if (engineName === "chromium")
  await chromiumOnly();
process.exit(checks.finish());
