// Starts the program on the page: checks that the browser can run it, fetches the
// program with a progress bar (or takes it from the page itself, where the page was
// opened as a file), and hands Qt the canvas to draw the window on.
(function () {
  "use strict";
  var status = document.getElementById("status");
  var message = document.getElementById("message");
  var progress = document.getElementById("progress");
  var screen = document.getElementById("screen");

  function fail(text) {
    status.className = "error";
    message.textContent = text;
    progress.hidden = true;
    document.body.classList.remove("running");
  }

  function webGlAvailable() {
    try {
      var probe = document.createElement("canvas");
      return !!(window.WebGLRenderingContext &&
                (probe.getContext("webgl2") || probe.getContext("webgl")));
    } catch (e) {
      return false;
    }
  }

  // The program's bytes, counted as they arrive. A server that compresses them sends
  // fewer bytes than the program has, so the bar counts what comes out of the decoder.
  function fetchProgram(name) {
    return fetch(name).then(function (response) {
      if (!response.ok)
        throw new Error(name + ": " + response.status);
      if (!response.body || !window.ReadableStream)
        return response.arrayBuffer();
      var reader = response.body.getReader(), parts = [], received = 0;
      function next() {
        return reader.read().then(function (chunk) {
          if (chunk.done) {
            var whole = new Uint8Array(received), at = 0;
            parts.forEach(function (part) { whole.set(part, at); at += part.length; });
            return whole.buffer;
          }
          parts.push(chunk.value);
          received += chunk.value.length;
          progress.value = received;
          return next();
        });
      }
      return next();
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
  if (!webGlAvailable()) {
    fail("Dieser Browser kann das Programm nicht zeichnen: WebGL ist nicht verfügbar " +
         "oder ausgeschaltet. Bitte schalten Sie die Hardwarebeschleunigung ein oder " +
         "öffnen Sie die Seite in einem anderen Browser.");
    return;
  }

  var embedded = document.getElementById("program-wasm");
  var bytes = embedded ? embeddedProgram(embedded) : fetchProgram("kraftfeld.wasm");
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
        bytes.then(function (buffer) {
          return WebAssembly.instantiate(buffer, imports);
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
    }).catch(function (error) { broken(String(error && error.message || error)); });
  }
  window.kraftfeldStart = start;
  window.kraftfeldMissing = function () { broken("kraftfeld.js fehlt"); };

  // A page from a server keeps working offline and opens again without the network.
  if ("serviceWorker" in navigator && location.protocol !== "file:")
    navigator.serviceWorker.register("sw.js").catch(function (error) {
      console.warn("No offline copy: " + error);
    });
})();
