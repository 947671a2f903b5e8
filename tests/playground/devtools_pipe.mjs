// A small DevTools protocol client for headless Chromium, over the pipe that
// --remote-debugging-pipe opens (the browser reads commands on fd 3 and
// writes answers and events on fd 4, each message JSON ending in a NUL).
// Nothing to install and no port to open, so the browser test runs offline.
//
//   const browser = await launchChromium(path);
//   const page = await browser.newPage();
//   await page.send('Page.navigate', { url });
//   const title = await page.evaluate('document.title');
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

class Connection {
  constructor(toBrowser, fromBrowser) {
    this.toBrowser = toBrowser;
    this.lastId = 0;
    this.pending = new Map();
    this.listeners = new Set();
    let buffer = Buffer.alloc(0);
    fromBrowser.on('data', (chunk) => {
      buffer = Buffer.concat([buffer, chunk]);
      for (let end = buffer.indexOf(0); end >= 0; end = buffer.indexOf(0)) {
        const message = JSON.parse(buffer.subarray(0, end).toString('utf8'));
        buffer = buffer.subarray(end + 1);
        this.dispatch(message);
      }
    });
  }

  send(method, params = {}, sessionId = undefined) {
    const id = ++this.lastId;
    this.toBrowser.write(JSON.stringify({ id, method, params, sessionId }) + '\0');
    return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject, method }));
  }

  dispatch(message) {
    if (message.id === undefined) {
      for (const listener of this.listeners) listener(message);
      return;
    }
    const call = this.pending.get(message.id);
    this.pending.delete(message.id);
    if (message.error) call.reject(new Error(`${call.method}: ${message.error.message}`));
    else call.resolve(message.result);
  }

  close() {
    for (const call of this.pending.values()) call.reject(new Error(`${call.method}: the browser went away`));
    this.pending.clear();
  }
}

class Page {
  constructor(connection, sessionId) {
    this.connection = connection;
    this.sessionId = sessionId;
  }

  send(method, params = {}) { return this.connection.send(method, params, this.sessionId); }

  // Calls `listener(params)` for each event `method` of this page.
  on(method, listener) {
    this.connection.listeners.add((message) => {
      if (message.sessionId === this.sessionId && message.method === method) listener(message.params);
    });
  }

  // The value of `expression` (awaited when it is a promise), or the
  // exception it threw, as an Error.
  async evaluate(expression) {
    const result = await this.send('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true });
    if (result.exceptionDetails) {
      const details = result.exceptionDetails;
      throw new Error(`${expression.slice(0, 80)}: ${details.exception?.description ?? details.text}`);
    }
    return result.result.value;
  }

  // Waits until `expression` is true, at most `milliseconds`.
  async waitFor(expression, milliseconds = 10000) {
    const until = Date.now() + milliseconds;
    while (!(await this.evaluate(expression))) {
      if (Date.now() > until) throw new Error(`timed out waiting for ${expression}`);
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
  }

  // A real mouse click at the middle of the element that `selector` finds.
  async click(selectorExpression) {
    const box = await this.evaluate(`(() => {
      const element = ${selectorExpression};
      if (!element) return null;
      element.scrollIntoView({ block: 'center' });
      const rect = element.getBoundingClientRect();
      return { x: rect.left + rect.width / 2, y: rect.top + rect.height / 2 };
    })()`);
    if (!box) throw new Error(`nothing to click: ${selectorExpression}`);
    for (const type of ['mouseMoved', 'mousePressed', 'mouseReleased']) {
      await this.send('Input.dispatchMouseEvent', { type, x: box.x, y: box.y, button: 'left', clickCount: 1 });
    }
  }

  async pressKey(key, code, keyCode, modifiers = 0, text = undefined) {
    await this.send('Input.dispatchKeyEvent', { type: 'keyDown', key, code, windowsVirtualKeyCode: keyCode, modifiers, text });
    await this.send('Input.dispatchKeyEvent', { type: 'keyUp', key, code, windowsVirtualKeyCode: keyCode, modifiers });
  }

  typeText(text) { return this.send('Input.insertText', { text }); }
}

// Starts headless Chromium; throws when it cannot start or does not answer.
export async function launchChromium(executable) {
  const profile = mkdtempSync(join(tmpdir(), 'zef-chromium-'));
  const child = spawn(executable, [
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--remote-debugging-pipe',
    '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run',
    '--allow-file-access-from-files', `--user-data-dir=${profile}`, 'about:blank',
  ], { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
  let errors = '';
  child.stderr.on('data', (chunk) => { errors = (errors + chunk).slice(-4000); });
  const exited = new Promise((resolve) => child.on('exit', resolve));
  const connection = new Connection(child.stdio[3], child.stdio[4]);
  child.stdio[3].on('error', () => {});
  const cleanUp = () => rmSync(profile, { recursive: true, force: true });

  const started = Promise.race([
    connection.send('Browser.getVersion'),
    exited.then((status) => { throw new Error(`chromium exited (${status}): ${errors.trim()}`); }),
    new Promise((_, reject) => setTimeout(() => reject(new Error(`chromium did not answer: ${errors.trim()}`)), 30000)),
  ]);
  let version;
  try {
    version = await started;
  } catch (error) {
    child.kill();
    cleanUp();
    throw error;
  }

  return {
    version: version.product,
    async newPage() {
      const { targetId } = await connection.send('Target.createTarget', { url: 'about:blank' });
      const { sessionId } = await connection.send('Target.attachToTarget', { targetId, flatten: true });
      return new Page(connection, sessionId);
    },
    async close() {
      connection.send('Browser.close').catch(() => {});
      const timer = setTimeout(() => child.kill(), 5000);
      await exited;
      clearTimeout(timer);
      connection.close();
      cleanUp();
    },
  };
}
