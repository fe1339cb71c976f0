// The two engines behind the page, both with convert(text, options) ->
// Promise<{text, words}>: vorlen-server's POST /api/convert, or the engine
// in WebAssembly running in a Web Worker (the offline site).

export class ServerEngine {
  constructor(url = 'api/convert') {
    this.url = url;
  }

  // Ready at once: the server holds the vocabulary.
  async ready() {}

  async convert(text, options, onProgress, english) {
    void onProgress; // the server answers in one go
    let response;
    try {
      response = await fetch(this.url, {
        method: 'POST',
        headers: { 'Content-Type': 'application/json' },
        body: JSON.stringify({ text, options }),
      });
    } catch (error) {
      throw new Error(english ? `The server cannot be reached (${error.message}).`
                              : `No se puede llegar al servidor (${error.message}).`);
    }
    let body;
    try {
      body = await response.json();
    } catch {
      throw new Error(english ? `The server answered ${response.status} without JSON.`
                              : `El servidor respondió ${response.status} sin JSON.`);
    }
    if (!response.ok) throw new Error((english && body.errorEnglish) || body.error || String(response.status));
    return body;
  }
}

// Conversions are answered in order; each posts {id, text, options} and gets
// back progress messages then its result or error.
export class WorkerEngine {
  constructor(workerUrl, onLoading) {
    this.worker = new Worker(workerUrl);
    this.pending = new Map();
    this.nextId = 1;
    this.readyPromise = new Promise((resolve, reject) => {
      this.worker.addEventListener('message', (event) => {
        const m = event.data;
        if (m.type === 'loading') onLoading?.(m.loaded, m.total);
        else if (m.type === 'ready') {
          // On the page's clock: milliseconds since the page began to load.
          const { origin, ...phases } = m.phases;
          const shift = origin - performance.timeOrigin;
          this.loadPhases = Object.fromEntries(Object.entries(phases).map(([k, v]) => [k, Math.round(v + shift)]));
          resolve();
        }
        else if (m.type === 'loadError') reject(new Error(m.message));
        else this.#answer(m);
      });
      this.worker.addEventListener('error', (event) => reject(new Error(event.message)));
    });
  }

  ready() {
    return this.readyPromise;
  }

  #answer(m) {
    const call = this.pending.get(m.id);
    if (!call) return;
    if (m.type === 'progress') {
      call.onProgress?.(m.done, m.total);
      return;
    }
    this.pending.delete(m.id);
    if (m.type === 'result') call.resolve(m.result);
    else call.reject(new Error(call.english ? m.messageEnglish || m.message : m.message));
  }

  async convert(text, options, onProgress, english) {
    await this.readyPromise;
    const id = this.nextId++;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject, onProgress, english });
      this.worker.postMessage({ type: 'convert', id, text, options });
    });
  }
}
