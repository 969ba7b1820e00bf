// The built site in one browser engine, used as a pupil would with real input events:
// the page loads, the window shows at its place and scale, the list opens drawn and an
// entry is chosen by clicking it, a path traced in the sphere field reads what the Linux
// program reads for the same clicks, a right press ends the path, "Energie" and "Linien
// löschen" act; under German and English browser languages.
//   node test_site.mjs ENGINE SITE_FOLDER DOCS_FOLDER WORK_FOLDER SINGLE_FILE
import { pathToFileURL } from "node:url";
import { engines } from "./engines.mjs";
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
  await engine.screenshot(before);
  await engine.press(...listArrow);
  await sleep(800);
  await engine.screenshot(open);
  const box = changedBox(before, open, 30);
  checks.that(`${name}: the list's popup is drawn`, box && box.height > 80, box ? JSON.stringify(box) : "nothing changed");
  if (!box)
    return false;
  await engine.press(box.x + box.width / 2, box.y + (box.height * (2 * index + 1)) / 16);
  await sleep(800);
  return true;
}

async function session(language, separator) {
  const name = `${engineName}-${language}`;
  const engine = await engines[engineName](language);
  const server = await serve(site);
  try {
    await engine.open(server.url);
    if (!(await waitForWindow(engine, name)))
      return;
    await engine.move(-20, -20);
    const start = `${work}/${name}-start.png`;
    await engine.screenshot(start);
    checks.that(`${name}: the window at its place and scale`,
                differingShare(start, `${docs}/window.png`) < 0.005, `${differingShare(start, `${docs}/window.png`)}`);

    if (await chooseEntry(engine, 5, name)) {
      await engine.move(-20, -20);
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

    // A right press ends the path, and no browser menu opens over the page.
    await engine.evaluate("(window.menus = 0, document.addEventListener('contextmenu', (e) => { if (!e.defaultPrevented) ++window.menus; }), 0)");
    await engine.press(...p3, "right");
    await sleep(400);
    const ended = `${work}/${name}-ended.png`;
    await engine.screenshot(ended);
    await engine.move(250, 100);
    await sleep(600);
    const afterMove = `${work}/${name}-moved-after-end.png`;
    await engine.screenshot(afterMove);
    checks.equal(`${name}: after the right press the read-out stays`, readOut(afterMove, "segment", work), readOut(ended, "segment", work));
    checks.equal(`${name}: no browser menu`, await engine.evaluate("window.menus"), 0);

    // "Energie" hides the diagram and shows it again; "Linien löschen" erases the path.
    if (engineName === "webkit") {
      checks.skip(`${name}: "Energie" acts`, "under WebKitGTK's WebDriver, a press on it after other " +
                  "input is sometimes not a click, with WebDriver's and with X's own input");
    } else {
      await engine.move(-20, -20);
      await sleep(300);
      const shown = `${work}/${name}-diagram-shown.png`, hidden = `${work}/${name}-diagram-hidden.png`;
      await engine.screenshot(shown);
      await engine.press(...energie);
      await engine.move(-20, -20);
      await sleep(600);
      await engine.screenshot(hidden);
      checks.that(`${name}: "Energie" acts`, differingShare(shown, hidden) > 0.002, `${differingShare(shown, hidden)}`);
      await engine.press(...energie);
    }
    await engine.press(...linienLoschen);
    await engine.move(-20, -20);
    await sleep(600);
    const erased = `${work}/${name}-erased.png`;
    await engine.screenshot(erased);
    const share = differingShare(erased, `${docs}/entry-5.png`);
    checks.that(`${name}: "Linien löschen" erases the path`, share < 0.005, `${share}`);
    checks.equal(`${name}: no error on the console`, engine.consoleErrors.join(" | "), "");
  } catch (error) {
    checks.fail(`${name}: ${error.stack || error}`);
  } finally {
    await engine.close();
    server.stop();
  }
}

// In Chromium also: touch, a screen of pixel ratio 2, the page opened again with the
// server gone, no request to another host, and the single file opened from a folder.
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
    const foreign = engine.requests.filter((url) => !url.startsWith(server.url) && !url.startsWith("data:"));
    checks.equal(`${name}: no request to another host`, foreign.join(" "), "");
    checks.equal(`${name}: no error on the console`, engine.consoleErrors.join(" | "), "");
    // The service worker kept every file: with the server stopped the page opens again.
    await engine.evaluate("navigator.serviceWorker.ready.then(() => true)");
    server.stop();
    await engine.page.reload({ waitUntil: "load" });
    if (await waitForWindow(engine, `${name} offline`)) {
      await engine.move(-20, -20);
      const offline = `${work}/${name}-offline.png`;
      await engine.screenshot(offline);
      checks.that(`${name}: opens again without the server`, differingShare(offline, `${docs}/window.png`) < 0.005);
    }
    await engine.close();

    engine = await engines.chromium("de-DE", { deviceScaleFactor: 2 });
    const again = await serve(site);
    await engine.open(again.url);
    if (await waitForWindow(engine, `${name} ratio 2`)) {
      await engine.move(-20, -20);
      await engine.screenshot(`${work}/${name}-ratio2.png`);
      checks.equal(`${name}: at pixel ratio 2 the window is drawn with twice the pixels`,
                   await engine.evaluate("(c => c.width + 'x' + c.height)(document.getElementById('screen'))"), "1724x1120");
    }
    again.stop();
    await engine.close();

    engine = await engines.chromium("de-DE");
    await engine.open(pathToFileURL(singleFile).href);
    if (await waitForWindow(engine, `${name} single file`)) {
      await engine.move(-20, -20);
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
