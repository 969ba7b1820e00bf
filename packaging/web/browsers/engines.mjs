// The three browser engines behind one small interface: open a page, send real pointer
// input at places in the program's window, and take a screenshot of the canvas. Places
// are the window's own pixels; the page may show the window scaled.
// Chromium (Blink) and Firefox (Gecko) through puppeteer, over the DevTools protocol and
// WebDriver BiDi; WebKitGTK (WebKit, as on every iPad) through its own WebDriver.
import { execFileSync, spawn } from "node:child_process";
import { writeFile } from "node:fs/promises";
import puppeteer from "puppeteer-core";
import { Builder } from "selenium-webdriver";

const pause = () => new Promise((resolve) => setTimeout(resolve, 80));

// What every engine keeps of the page, and where the program's canvas lies on it.
class Engine {
  constructor() {
    this.consoleErrors = [];
    this.requests = [];
  }

  // The canvas's place and size in the page's CSS pixels, and the scale it is shown at.
  async canvasBox() {
    const box = await this.evaluate("(c => { const b = c.getBoundingClientRect(); return { x: b.left, y: b.top, " +
                                    "width: b.width, height: b.height, scaleX: b.width / c.offsetWidth, " +
                                    "scaleY: b.height / c.offsetHeight }; })(document.getElementById('screen'))");
    const frame = await this.frameOrigin();
    return { ...box, x: box.x + frame.x, y: box.y + frame.y };
  }

  async frameOrigin() {
    return { x: 0, y: 0 };
  }

  // Where a place in the window lies on the page.
  async at(x, y) {
    const box = await this.canvasBox();
    return { x: box.x + x * box.scaleX, y: box.y + y * box.scaleY };
  }

  async move(x, y) {
    const to = await this.at(x, y);
    await this.moveTo(to.x, to.y);
  }

  // The pointer off the window, beside the footer's link.
  async away() {
    await this.moveTo(4, (await this.pageHeight()) - 4);
  }
}

class PuppeteerEngine extends Engine {
  constructor(browser, page) {
    super();
    this.browser = browser;
    this.page = page;
    page.on("console", (message) => {
      if (message.type() === "error")
        this.consoleErrors.push(message.text());
    });
    page.on("pageerror", (error) => this.consoleErrors.push(String(error)));
    page.on("request", (request) => this.requests.push(request.url()));
  }

  async open(url) {
    this.frame = null;
    await this.page.goto(url, { waitUntil: "load" });
  }

  // The page `url` inside the iframe of another site's page `host`, as a learning
  // platform shows it.
  async openInFrame(host, url) {
    await this.page.goto(host, { waitUntil: "load" });
    this.frame = this.page.frames().find((frame) => frame.url().startsWith(url));
  }

  async frameOrigin() {
    if (!this.frame)
      return { x: 0, y: 0 };
    return this.page.evaluate("(b => ({ x: b.left, y: b.top }))(document.querySelector('iframe').getBoundingClientRect())");
  }

  async evaluate(source) {
    return (this.frame || this.page).evaluate(source);
  }

  async viewport(width, height) {
    await this.page.setViewport({ width, height, deviceScaleFactor: this.page.viewport().deviceScaleFactor });
  }

  async moveTo(x, y) {
    await this.page.mouse.move(x, y, { steps: 4 });
  }

  async pageHeight() {
    return this.page.viewport().height;
  }

  // As a hand presses: the pointer comes to rest, the button goes down and up again.
  async press(x, y, button = "left") {
    await this.move(x, y);
    await pause();
    await this.page.mouse.down({ button });
    await pause();
    await this.page.mouse.up({ button });
  }

  // A finger through the DevTools protocol: a tap, a drag, a hold.
  async touch(type, points) {
    const session = this.session || (this.session = await this.page.createCDPSession());
    await session.send("Input.dispatchTouchEvent", { type, touchPoints: points });
  }

  async touchAt(x, y) {
    return [{ ...(await this.at(x, y)), id: 1 }];
  }

  async tap(x, y) {
    await this.touch("touchStart", await this.touchAt(x, y));
    await pause();
    await this.touch("touchEnd", []);
    await pause();
  }

  async drag(from, to) {
    await this.touch("touchStart", await this.touchAt(...from));
    for (let step = 1; step <= 8; ++step) {
      await pause();
      await this.touch("touchMove", await this.touchAt(from[0] + ((to[0] - from[0]) * step) / 8,
                                                     from[1] + ((to[1] - from[1]) * step) / 8));
    }
    await this.touch("touchEnd", []);
    await pause();
  }

  async hold(x, y) {
    await this.touch("touchStart", await this.touchAt(x, y));
    await new Promise((resolve) => setTimeout(resolve, 1500));
    await this.touch("touchEnd", []);
    await pause();
  }

  // A pen through the DevTools protocol, as a tablet's: the tip pressed and lifted, or the
  // pen moved above the screen (`buttons` 0) or along it (1).
  async pen(type, x, y, buttons = 0) {
    const session = this.session || (this.session = await this.page.createCDPSession());
    const button = type === "mouseMoved" ? "none" : "left";
    await session.send("Input.dispatchMouseEvent",
                       { type, ...(await this.at(x, y)), button, buttons, clickCount: 1, pointerType: "pen" });
    await pause();
  }

  async penTap(x, y) {
    await this.pen("mouseMoved", x, y);
    await this.pen("mousePressed", x, y, 1);
    await this.pen("mouseReleased", x, y);
  }

  async penHover(from, to) {
    for (let step = 0; step <= 8; ++step)
      await this.pen("mouseMoved", from[0] + ((to[0] - from[0]) * step) / 8, from[1] + ((to[1] - from[1]) * step) / 8);
  }

  async penHold(x, y) {
    await this.pen("mousePressed", x, y, 1);
    await new Promise((resolve) => setTimeout(resolve, 1500));
    await this.pen("mouseReleased", x, y);
  }

  async screenshot(path) {
    const { x, y, width, height } = await this.canvasBox();
    await this.page.screenshot({ path, clip: { x, y, width, height } });
  }

  async close() {
    await this.browser.close();
  }
}

// The room the page shows the window in at its own size, with the footer's line below.
export const room = { width: 862, height: 600 };

// Chromium headless; its language sets navigator.language. `args` are more switches.
export async function chromium(language, { deviceScaleFactor = 1, args = [] } = {}) {
  const browser = await puppeteer.launch({
    executablePath: "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", `--lang=${language}`, `--accept-lang=${language}`, "--window-size=1200,900", ...args],
    env: { ...process.env, LANGUAGE: language.replace("-", "_") },
  });
  const page = await browser.newPage();
  await page.setViewport({ ...room, deviceScaleFactor });
  return new PuppeteerEngine(browser, page);
}

// Firefox with its window, under the test's X server, as a pupil has it.
export async function firefox(language) {
  const browser = await puppeteer.launch({
    browser: "firefox",
    executablePath: "/usr/bin/firefox-esr",
    headless: false,
    extraPrefsFirefox: { "intl.accept_languages": `${language},${language.split("-")[0]}`,
                         "intl.locale.requested": language },
  });
  const page = await browser.newPage();
  await page.setViewport(room);
  return new PuppeteerEngine(browser, page);
}

class WebKitEngine extends Engine {
  constructor(driver, server) {
    super();
    this.driver = driver;
    this.server = server;
  }

  async open(url) {
    await this.driver.get(url);
  }

  async evaluate(source) {
    return this.driver.executeScript(`return (${source});`);
  }

  // The window's outer size set so that the page gets the room asked for; the window
  // manager may take a moment, or a second request, to give it.
  async viewport(width, height) {
    let rect = { width, height };
    for (let attempt = 0; attempt < 5; ++attempt) {
      await this.driver.manage().window().setRect(rect);
      await pause();
      const [innerWidth, innerHeight] = await this.evaluate("[window.innerWidth, window.innerHeight]");
      if (innerWidth === width && innerHeight === height)
        return;
      rect = { width: rect.width + width - innerWidth, height: rect.height + height - innerHeight };
    }
    throw new Error(`the page never got ${width}x${height}`);
  }

  async moveTo(x, y) {
    await this.driver.actions().move({ x: Math.round(x), y: Math.round(y), duration: 50 }).perform();
  }

  async pageHeight() {
    return this.evaluate("window.innerHeight");
  }

  async press(x, y, button = "left") {
    const to = await this.at(x, y);
    const which = { left: 0, middle: 1, right: 2 }[button];
    await this.driver.actions().move({ x: Math.round(to.x), y: Math.round(to.y), duration: 50 })
      .pause(80).press(which).pause(80).release(which).perform();
  }

  // WebKitGTK's screenshot of an element is offset; the viewport's is exact, so the
  // canvas is cut from that, once the page has drawn two more frames.
  async screenshot(path) {
    const box = await this.canvasBox();
    await this.driver.executeAsyncScript("const done = arguments[0]; requestAnimationFrame(() => requestAnimationFrame(done));");
    await writeFile(path, Buffer.from(await this.driver.takeScreenshot(), "base64"));
    execFileSync("convert", [path, "-crop", `${box.width}x${box.height}+${Math.round(box.x)}+${Math.round(box.y)}`,
                             "+repage", path]);
  }

  async close() {
    await this.driver.quit();
    this.server.kill();
  }
}

// WebKitGTK's MiniBrowser under automation; its language comes from the environment.
export async function webkit(language) {
  const port = 4444 + Math.floor(Math.random() * 1000);
  const server = spawn("/usr/bin/WebKitWebDriver", [`--port=${port}`], {
    stdio: "ignore",
    env: { ...process.env, LANG: `${language.replace("-", "_")}.UTF-8`, LANGUAGE: language.replace("-", "_") },
  });
  await new Promise((resolve) => setTimeout(resolve, 1000));
  const driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
    browserName: "MiniBrowser",
    "webkitgtk:browserOptions": {
      binary: "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser",
      args: ["--automation"],
    },
  }).build();
  const engine = new WebKitEngine(driver, server);
  await driver.get("about:blank");
  await engine.viewport(room.width, room.height);
  return engine;
}

export const engines = { chromium, firefox, webkit };
