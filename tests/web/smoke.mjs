// The browser smoke test: the web build in Debian's chromium, headless,
// driven through puppeteer-core. Usage: node tests/web/smoke.mjs [build-dir]
//
// It serves <build-dir>/site on 127.0.0.1 and checks, on the canvas's own
// pixels (toDataURL), that the title shows; then that a new game starts by
// keyboard and its capsule moves, plays the golden script name-entry-ascii's
// keys to a game over and a hall-of-fame entry, and that the entry is still
// there after a reload; that the touch buttons play; that Exit ends the game
// and the page offers to start again; and that a HiDPI screen gets the title
// at its own pixels. It prints what it measured on the way.
//
// The page's clock is the test's: Date.now and performance.now and the
// timers run at a speed the test sets, so the game is seeded as the golden
// script seeds it, no tick comes between the script's keys, and the wait for
// the game over passes quickly.

import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { startServer } from '../../tools/web/server.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
// puppeteer-core as tools/web/smoke-test installs it, outside the clone.
const puppeteer = createRequire(path.join(process.env.QUINDEL_NODE_MODULES || here, 'package.json'))('puppeteer-core');
const root = path.resolve(here, '../..');
const build = path.resolve(process.argv[2] || path.join(root, 'build-web'));
const site = path.join(build, 'site');
const titleBmp = path.join(build, 'wasm/resources/pictures/bmp/IDB_TITLESCREEN.bmp');
const goldenScript = path.join(root, 'tests/app/scripts/name-entry-ascii.script');
const savesFile = '/libsdl/quindel/highscore.dat';

const started = Date.now();
const seconds = (since) => ((Date.now() - since) / 1000).toFixed(1);
const watchdog = setTimeout(() => {
  console.error('smoke: FAILED, still running after 240 s');
  process.exit(1);
}, 240000);

class Failure extends Error {}
function check(condition, what) {
  if (!condition) throw new Failure(what);
}

// Polls until test() gives a truthy value, which it returns.
async function until(what, test, timeoutMs = 30000, everyMs = 100) {
  const end = Date.now() + timeoutMs;
  for (;;) {
    const value = await test();
    if (value) return value;
    if (Date.now() > end) throw new Failure(`waited ${timeoutMs / 1000} s for ${what}`);
    await new Promise((resolve) => setTimeout(resolve, everyMs));
  }
}

// The title picture as the game links it: a BMP of 8 bits per pixel with a
// palette, or of 24.
function readBmp(file) {
  const bytes = fs.readFileSync(file);
  const offset = bytes.readUInt32LE(10);
  const header = bytes.readUInt32LE(14);
  const width = bytes.readInt32LE(18);
  const rawHeight = bytes.readInt32LE(22);
  const height = Math.abs(rawHeight);
  const bits = bytes.readUInt16LE(28);
  const stride = Math.ceil((width * bits) / 32) * 4;
  const rgb = (x, y) => {
    const row = rawHeight > 0 ? height - 1 - y : y;
    const at = offset + row * stride;
    if (bits === 8) {
      const entry = 14 + header + bytes[at + x] * 4;
      return [bytes[entry + 2], bytes[entry + 1], bytes[entry]];
    }
    check(bits === 24, `${file}: ${bits} bits per pixel`);
    return [bytes[at + x * 3 + 2], bytes[at + x * 3 + 1], bytes[at + x * 3]];
  };
  return { width, height, rgb };
}

// Runs in the page before its own scripts: the test's clock, and the time of
// the first frame the game draws.
function pageHooks() {
  const realNow = performance.now.bind(performance);
  const realSetTimeout = window.setTimeout.bind(window);
  let rate = 1;
  let perfBase = 0;
  let perfFrom = realNow();
  let dateBase = 0;
  let dateFrom = realNow();
  let dateRunning = false;
  const virtualNow = () => perfBase + (realNow() - perfFrom) * rate;
  const virtualDate = () => dateBase + (dateRunning ? (realNow() - dateFrom) * rate : 0);
  perfBase = realNow();
  performance.now = virtualNow;
  Date.now = () => Math.floor(virtualDate());
  // Counted: every wait of the game's ends in one.
  window.smokeTimers = 0;
  window.setTimeout = (callback, delay, ...rest) => {
    window.smokeTimers++;
    return realSetTimeout(callback, Math.min(2147483647, Math.max(0, Number(delay) || 0) / rate), ...rest);
  };
  window.smokeClock = {
    setRate(newRate) {
      dateBase = virtualDate();
      dateFrom = realNow();
      perfBase = virtualNow();
      perfFrom = realNow();
      rate = newRate;
    },
    // The wall clock the game seeds from: ms since 1970, standing or running.
    setDate(ms, running) {
      dateBase = ms;
      dateFrom = realNow();
      dateRunning = running;
    },
  };
  const put = CanvasRenderingContext2D.prototype.putImageData;
  window.smokeFrames = 0;
  CanvasRenderingContext2D.prototype.putImageData = function(...args) {
    if (window.smokeFrames++ === 0) window.smokeFirstFrameAt = realNow();
    return put.apply(this, args);
  };
  // The canvas as toDataURL gives it, decoded: RGBA rows.
  window.smokePixels = async () => {
    const canvas = document.getElementById('canvas');
    const image = new Image();
    image.src = canvas.toDataURL('image/png');
    await image.decode();
    const copy = document.createElement('canvas');
    copy.width = image.width;
    copy.height = image.height;
    const context = copy.getContext('2d');
    context.drawImage(image, 0, 0);
    return context.getImageData(0, 0, image.width, image.height);
  };
}

// The share of the sample points whose canvas pixel is exactly the
// picture's, with the picture drawn at scale times its size, top at top.
async function titleMatch(page, samples, scale, top) {
  return page.evaluate(async (points, scale, top) => {
    const pixels = await window.smokePixels();
    let same = 0;
    for (const [x, y, r, g, b] of points) {
      const at = ((top + y * scale) * pixels.width + x * scale) * 4;
      if (pixels.data[at] === r && pixels.data[at + 1] === g && pixels.data[at + 2] === b) same++;
    }
    return same / points.length;
  }, samples, scale, top);
}

// A fingerprint of the canvas, to see that something moved.
async function canvasPrint(page) {
  return page.evaluate(async () => {
    const pixels = await window.smokePixels();
    let hash = 0;
    for (let i = 0; i < pixels.data.length; i += 4)
      hash = (Math.imul(hash, 31) + pixels.data[i] + (pixels.data[i + 1] << 8) + (pixels.data[i + 2] << 16)) | 0;
    return `${pixels.width}x${pixels.height}:${hash}`;
  });
}

// Returns once the canvas has not changed for quietMs.
async function settled(page, quietMs) {
  let print = await canvasPrint(page);
  let since = Date.now();
  await until('the canvas to settle', async () => {
    const now = await canvasPrint(page);
    if (now !== print) {
      print = now;
      since = Date.now();
    }
    return Date.now() - since >= quietMs;
  }, 60000, 250);
}

// A dialog is open: its title bar is a long run of one blue in a row, which
// the game's own pictures, all shaded, never have.
async function dialogOpen(page) {
  return page.evaluate(async () => {
    const pixels = await window.smokePixels();
    const { width, height, data } = pixels;
    for (let y = 0; y < height; y++) {
      let run = 0;
      for (let x = 0; x < width; x++) {
        const at = (y * width + x) * 4;
        run = data[at] === 102 && data[at + 1] === 153 && data[at + 2] === 255 ? run + 1 : 0;
        if (run >= 120) return true;
      }
    }
    return false;
  });
}

async function hallOfFame(page) {
  return page.evaluate((file) => {
    const bytes = window.Module.FS.readFile(file);
    const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
    const entries = [];
    for (let i = 0; i < 8 && bytes.length >= 120; i++) {
      const slot = bytes.subarray(i * 11, i * 11 + 11);
      const end = slot.indexOf(0);
      entries.push({ name: String.fromCharCode(...slot.subarray(0, end < 0 ? 11 : end)), score: view.getInt32(88 + i * 4, true) });
    }
    return { size: bytes.length, entries };
  }, savesFile);
}

async function menuKey(page, menuLetter, itemLetter) {
  await page.keyboard.down('Alt');
  await page.keyboard.press(menuLetter);
  await page.keyboard.up('Alt');
  await page.keyboard.press(itemLetter);
}

const keyNames = { 32: 'Space', 37: 'ArrowLeft', 38: 'ArrowUp', 39: 'ArrowRight', 40: 'ArrowDown' };
// The golden script's keys between its new game and its first dump.
function scriptKeys() {
  const lines = fs.readFileSync(goldenScript, 'utf8').split('\n').map((line) => line.trim());
  const from = lines.indexOf('dialog 1') + 1;
  const to = lines.indexOf('dump');
  check(from > 0 && to > from, `${goldenScript} no longer has its new game and its dump`);
  return lines.slice(from, to).filter((line) => line.startsWith('key ')).map((line) => {
    const name = keyNames[Number(line.slice(4))];
    check(name, `${goldenScript}: no key name for "${line}"`);
    return name;
  });
}

async function main() {
  check(fs.existsSync(path.join(site, 'index.html')), `${site} holds no built page (tools/web/build makes it)`);
  const title = readBmp(titleBmp);
  const samples = [];
  for (let y = 3; y < title.height; y += 23)
    for (let x = 5; x < title.width; x += 19) samples.push([x, y, ...title.rgb(x, y)]);

  const { server, url } = await startServer(site);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'quindel-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--autoplay-policy=no-user-gesture-required'],
    timeout: 60000,
    protocolTimeout: 60000,
  });
  let page;
  try {
    page = await browser.newPage();
    const problems = [];
    page.on('pageerror', (error) => problems.push(String(error)));
    page.on('console', (message) => {
      if (message.type() === 'error') problems.push(message.text());
    });
    await page.evaluateOnNewDocument(pageHooks);

    // The canvas at the game's own size, 800 x 619: the title picture then
    // lies pixel for pixel under the 19-pixel menu bar.
    await page.setViewport({ width: 820, height: 720, deviceScaleFactor: 1 });
    await page.goto(url, { waitUntil: 'load' });
    const screenSize = await page.evaluate(() => {
      const room = document.getElementById('screen');
      return [room.clientWidth, room.clientHeight];
    });
    await page.setViewport({ width: 820, height: 720 - screenSize[1] + 619, deviceScaleFactor: 1 });
    let stepStart = Date.now();
    await page.reload({ waitUntil: 'load' });
    await until('the title on the canvas', async () => (await titleMatch(page, samples, 1, 19)) > 0.99);
    const firstFrame = await page.evaluate(() => window.smokeFirstFrameAt);
    console.log(`smoke: title shown; first frame ${(firstFrame / 1000).toFixed(2)} s after the page was asked for`);

    // The title waits for a key: how busy is the page's thread meanwhile,
    // with the music (decoded on that thread) and without, and how often
    // does the game wake? Waiting for events by polling would wake it
    // hundreds of times a second.
    const cdp = await page.createCDPSession();
    await cdp.send('Performance.enable');
    const taskTime = async () =>
      (await cdp.send('Performance.getMetrics')).metrics.find((metric) => metric.name === 'TaskDuration').value;
    const busyShare = async () => {
      const busyFrom = await taskTime();
      const timersFrom = await page.evaluate(() => window.smokeTimers);
      const wallFrom = Date.now();
      await new Promise((resolve) => setTimeout(resolve, 4000));
      const wall = (Date.now() - wallFrom) / 1000;
      return {
        percent: (((await taskTime()) - busyFrom) * 100) / wall,
        wakes: ((await page.evaluate(() => window.smokeTimers)) - timersFrom) / wall,
      };
    };
    const withMusic = await busyShare();
    await page.evaluate(() => window.Module.SDL2 && window.Module.SDL2.audioContext.suspend());
    const silent = await busyShare();
    await page.evaluate(() => window.Module.SDL2 && window.Module.SDL2.audioContext.resume());
    console.log(`smoke: at the title the main thread is busy ${withMusic.percent.toFixed(2)} % of the time with the ` +
                `music, ${silent.percent.toFixed(2)} % with the sound suspended; the game wakes ` +
                `${silent.wakes.toFixed(1)} times a second`);
    check(silent.wakes < 5, `the game woke ${silent.wakes.toFixed(1)} times a second at the title, waiting for nothing`);

    // A new game by keyboard, seeded as the golden script seeds it, on a
    // clock slow enough that no tick comes between the keys.
    stepStart = Date.now();
    await page.evaluate(() => {
      window.smokeClock.setRate(0.1);
      window.smokeClock.setDate(1700000000000, false);
    });
    await menuKey(page, 'g', 'n');
    await until('the new game dialog', () => dialogOpen(page));
    await page.keyboard.press('Enter');
    await until('the new game dialog to close', async () => !(await dialogOpen(page)));
    const keys = scriptKeys();
    let before = await canvasPrint(page);
    let moved = 0;
    for (const [index, key] of keys.entries()) {
      await page.keyboard.press(key);
      // The first moves are watched: each one changes the bottle.
      if (index < 3) {
        const now = await until(`the capsule to move on ${key}`, async () => {
          const print = await canvasPrint(page);
          return print !== before && print;
        }, 10000);
        before = now;
        moved++;
      }
    }
    // The keys wait in the game's queue while it animates the clearing they
    // cause (at a tenth of its speed, a frame every 1.5 s); it has played
    // them all once the canvas stands still for longer than a frame.
    await settled(page, 4000);
    console.log(`smoke: new game by keyboard, capsule moved ${moved} times, ${keys.length} keys played (${seconds(stepStart)} s)`);

    // The rest of the game at 25 times its speed: capsules pile up to the
    // entry, and the score of 6 opens the name entry.
    stepStart = Date.now();
    await page.evaluate(() => {
      window.smokeClock.setDate(1700000000000, true);
      window.smokeClock.setRate(25);
    });
    await until('the game over and its name entry', () => dialogOpen(page), 60000, 250);
    await page.evaluate(() => window.smokeClock.setRate(1));
    // The name field has the keyboard as the entry opens.
    await page.keyboard.type('smoke');
    await page.keyboard.press('Enter');
    await until('the name entry to close', async () => !(await dialogOpen(page)));
    await page.evaluate(() => new Promise((resolve) => window.Module.quindelWhenStored(resolve)));
    const written = await hallOfFame(page);
    check(written.size === 120, `highscore.dat is ${written.size} bytes, not 120`);
    check(written.entries[2].name === 'SMOKE' && written.entries[2].score === 6,
          `third place is ${JSON.stringify(written.entries[2])}, not SMOKE with 6`);
    console.log(`smoke: game over, SMOKE entered third with 6 (${seconds(stepStart)} s)`);

    // A reload reads the hall of fame back from IndexedDB.
    await page.reload({ waitUntil: 'load' });
    await until('the title after the reload', async () => (await titleMatch(page, samples, 1, 19)) > 0.99);
    const kept = await hallOfFame(page);
    check(JSON.stringify(kept.entries) === JSON.stringify(written.entries),
          `after the reload the hall of fame is ${JSON.stringify(kept.entries)}`);
    console.log('smoke: the reload kept the hall of fame');

    // Touch: the first touch brings the buttons; the left one moves the capsule.
    await page.touchscreen.tap(400, 400);
    await until('the touch buttons', () => page.evaluate(() => document.body.classList.contains('touch')), 5000);
    // A tap opens the menu (its bar and rows as the game lays them out at
    // its smallest scale) and another starts a new game.
    await page.evaluate(() => window.smokeClock.setRate(0.1));
    const canvasBox = await (await page.$('#canvas')).boundingBox();
    await page.touchscreen.tap(canvasBox.x + 20, canvasBox.y + 9);
    await new Promise((resolve) => setTimeout(resolve, 300));
    await page.touchscreen.tap(canvasBox.x + 40, canvasBox.y + 34);
    await until('the new game dialog from the tapped menu', () => dialogOpen(page));
    await page.keyboard.press('Enter');
    await until('the new game dialog to close', async () => !(await dialogOpen(page)));
    before = await canvasPrint(page);
    const left = await page.$('button[data-button="0"]');
    const box = await left.boundingBox();
    await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
    await until('the capsule to move on the touch button', async () => (await canvasPrint(page)) !== before, 10000);
    console.log('smoke: a tap opens the menu, and the touch buttons play');

    // Exit ends the game; the page says so and offers to start again.
    await page.evaluate(() => window.smokeClock.setRate(1));
    await menuKey(page, 'g', 'e');
    await until('the page to say the game has ended', () =>
      page.evaluate(() => !document.getElementById('ended').hidden &&
                          document.getElementById('ended-text').textContent === 'Quindel has ended.'), 10000);
    console.log('smoke: Exit ended the game and the page offers to play again');

    // Again, on a screen of two pixels per CSS pixel: the title at its own pixels.
    await page.setViewport({ width: 820, height: 720 - screenSize[1] + 619, deviceScaleFactor: 2 });
    await page.click('#again');
    await until('the title at twice the pixels', async () => (await titleMatch(page, samples, 2, 38)) > 0.99);
    const backing = await page.evaluate(() => {
      const canvas = document.getElementById('canvas');
      return [canvas.width, canvas.height, canvas.clientWidth];
    });
    check(backing[0] === 2 * backing[2], `a ${backing[0]}-pixel canvas shown ${backing[2]} wide`);
    console.log(`smoke: HiDPI canvas ${backing[0]} x ${backing[1]} with the title at its pixels`);

    check(problems.length === 0, `the page reported: ${problems.join(' | ')}`);
  } catch (error) {
    // What the page showed when it failed, for whoever reads the log.
    const shot = path.join(build, 'smoke-failure.png');
    if (page) await page.screenshot({ path: shot }).then(() => console.error(`smoke: the page as it was: ${shot}`), () => {});
    throw error;
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
  console.log(`smoke: passed in ${seconds(started)} s`);
}

main().then(() => {
  clearTimeout(watchdog);
}, (error) => {
  console.error(`smoke: FAILED: ${error instanceof Failure ? error.message : error.stack || error}`);
  process.exit(1);
});
