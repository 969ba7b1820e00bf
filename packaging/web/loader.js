// Starts the program on the page: checks that the browser can run it, fetches the
// program with a progress bar (or takes it from the page itself, where the page was
// opened as a file), and hands Qt the canvas to draw the window on.
(function () {
  "use strict";
  var status = document.getElementById("status");
  var message = document.getElementById("message");
  var progress = document.getElementById("progress");
  var screen = document.getElementById("screen");
  var stage = document.getElementById("stage");
  var program = null;

  // The window as large as the page's room allows, up for a projector and down for a
  // phone or a learning platform's frame, centred. It covers whole device pixels, its
  // height rounded apart from its width by less than a pixel, and its corner sits on one,
  // so that its pixels meet the screen's. Qt draws the canvas anew at the scale the page
  // shows it at.
  function fit() {
    var ratio = window.devicePixelRatio || 1;
    var width = screen.offsetWidth, height = screen.offsetHeight;
    var scale = Math.min(stage.clientWidth / width, stage.clientHeight / height);
    var across = Math.max(Math.floor(width * scale * ratio), 1) / ratio;
    var down = Math.max(Math.round((height * across) / width * ratio), 1) / ratio;
    var left = Math.round(((stage.clientWidth - across) / 2) * ratio) / ratio;
    var top = Math.round(((stage.clientHeight - down) / 2) * ratio) / ratio;
    screen.style.transform = "translate(" + left + "px, " + top + "px) scale(" +
                             across / width + ", " + down / height + ")";
    if (program)
      program.qtResizeAllScreens(null);
  }
  // A new pixel ratio (the page zoomed, the window moved to another screen) need not
  // come with a resize.
  function watchRatio() {
    if (!window.matchMedia)
      return;
    var query = window.matchMedia("(resolution: " + (window.devicePixelRatio || 1) + "dppx)");
    var changed = function () {
      query.removeListener(changed);
      fit();
      watchRatio();
    };
    query.addListener(changed);
  }
  fit();
  watchRatio();
  window.addEventListener("resize", fit);

  function fail(text) {
    status.className = "error";
    message.textContent = text;
    progress.hidden = true;
    document.body.classList.remove("running");
  }

  // The program as the server sends it. A copy of it is counted as it arrives, for the
  // bar: a server that compresses it sends fewer bytes, so the bar counts what comes out
  // of the decoder. The browser compiles the program itself off the page's thread.
  function fetchProgram(name) {
    return fetch(name).then(function (response) {
      if (!response.ok)
        throw new Error(name + ": " + response.status);
      if (response.body && response.clone)
        countArriving(response.clone().body.getReader(), 0);
      return response;
    });
  }

  function countArriving(reader, received) {
    reader.read().then(function (chunk) {
      if (chunk.done)
        return;
      progress.value = received + chunk.value.length;
      countArriving(reader, received + chunk.value.length);
    }, function () {});
  }

  // The browser compiles the program while it arrives, where it can.
  function instantiate(source, imports) {
    if (!(source instanceof Response))
      return WebAssembly.instantiate(source, imports);
    if (WebAssembly.instantiateStreaming && source.headers.get("Content-Type") === "application/wasm")
      return WebAssembly.instantiateStreaming(source, imports);
    return source.arrayBuffer().then(function (buffer) {
      return WebAssembly.instantiate(buffer, imports);
    });
  }

  function embeddedProgram(element) {
    var text = atob(element.textContent.trim()), bytes = new Uint8Array(text.length);
    for (var i = 0; i < text.length; ++i)
      bytes[i] = text.charCodeAt(i);
    return Promise.resolve(bytes.buffer);
  }

  if (typeof WebAssembly !== "object" || typeof Promise !== "function") {
    fail("Dieser Browser kann das Programm nicht ausführen: Ihm fehlt WebAssembly. " +
         "Bitte öffnen Sie die Seite in einem aktuellen Browser.");
    return;
  }
  var embedded = document.getElementById("program-wasm");
  var wasm = embedded ? embeddedProgram(embedded) : fetchProgram("kraftfeld.wasm");
  var failed = false;
  function broken(reason) {
    if (failed)
      return;
    failed = true;
    console.error(reason);
    fail("Das Programm konnte nicht geladen werden. Bitte laden Sie die Seite neu. " +
         "(" + reason + ")");
  }

  function start() {
    if (typeof createQtAppInstance !== "function") {
      broken("kraftfeld.js fehlt");
      return;
    }
    createQtAppInstance({
      qtCanvasElements: [screen],
      instantiateWasm: function (imports, done) {
        wasm.then(function (source) {
          return instantiate(source, imports);
        }).then(function (result) {
          document.body.classList.add("running");
          done(result.instance);
        }, function (error) {
          broken(String(error && error.message || error));
        });
        return {};
      },
      onAbort: function (reason) { broken("Abbruch: " + reason); },
      quit: function () {},
      print: function (text) { console.log(text); },
      printErr: function (text) { console.warn(text); }
    }).then(function (instance) {
      program = instance;
      fit();
      // The offline copy is fetched once the window is drawn, not beside its download.
      requestAnimationFrame(function () { setTimeout(keepOffline); });
    }, function (error) { broken(String(error && error.message || error)); });
  }
  window.kraftfeldStart = start;
  window.kraftfeldMissing = function () { broken("kraftfeld.js fehlt"); };

  // A page from a server keeps working offline and opens again without the network.
  function keepOffline() {
    if ("serviceWorker" in navigator && location.protocol !== "file:")
      navigator.serviceWorker.register("sw.js").catch(function (error) {
        console.warn("No offline copy: " + error);
      });
  }
})();
