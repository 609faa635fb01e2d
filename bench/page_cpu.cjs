// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page costs while it ticks: all of Chromium's processes' CPU,
// in a window under the X server, at 20, 100 and 1000 TPS, in turns with a
// bare page that runs a 1 ms setTimeout loop and nothing else; and the
// tick rate the page kept over each turn. Run it inside a desktop session:
//
//   NODE_PATH=build-npm/node_modules tests/run-in-desktop-session \
//       node bench/page_cpu.cjs build-web/web/torvane-1.01.html [SECONDS-A-TURN [TURNS]]

const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [page, seconds = '10', turns = '3'] = process.argv.slice(2);
const bare = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'torvane-bare-')), 'bare.html');
fs.writeFileSync(bare, '<!DOCTYPE html><title>bare</title><script>(function wake() { setTimeout(wake, 1); })();</script>');
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// The CPU seconds of a process and all its children, from /proc.
const treeSeconds = (root) => {
    const children = new Map();
    const stats = new Map();
    for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
        try {
            const fields = fs.readFileSync(`/proc/${pid}/stat`, 'utf8').split(')').pop().trim().split(' ');
            stats.set(Number(pid), (Number(fields[11]) + Number(fields[12])) / 100);
            const parent = Number(fields[1]);
            children.set(parent, [...(children.get(parent) || []), Number(pid)]);
        } catch { /* gone */ }
    }
    let total = 0;
    for (const todo = [root]; todo.length;) {
        const pid = todo.pop();
        total += stats.get(pid) || 0;
        todo.push(...(children.get(pid) || []));
    }
    return total;
};

// One turn: Chromium afresh, showing the file alone; the share of a core
// it takes over the turn and, for the page, the ticks it kept.
const turn = async (file, rate) => {
    const browser = await puppeteer.launch({
        executablePath: '/usr/bin/chromium', headless: false, defaultViewport: null,
        args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--window-size=1024,768', `--app=file://${file}`],
    });
    try {
        await sleep(3000);
        const [tab] = (await browser.pages()).filter((p) => p.url().startsWith('file:'));
        const ticks = () => tab.evaluate(() => [performance.now(), Number(document.querySelector('#Label8 .shown').textContent.split(':')[1])]);
        if (rate) {
            await tab.$eval('#Text7', (e, r) => { e.value = r; }, String(rate));
            await tab.click('#Command15');
            await tab.click('#Command9');
            await tab.click('#Command1');
        }
        await sleep(500);
        const from = rate && await ticks();
        const cpu = treeSeconds(browser.process().pid), started = Date.now();
        await sleep(1000 * Number(seconds));
        const share = 100 * (treeSeconds(browser.process().pid) - cpu) / ((Date.now() - started) / 1000);
        const to = rate && await ticks();
        return { share, kept: rate && (to[1] - from[1]) / ((to[0] - from[0]) / 1000 * rate) };
    } finally {
        await browser.close();
    }
};

(async () => {
    for (const rate of [20, 100, 1000]) {
        const ratios = [];
        for (let i = 0; i < Number(turns); ++i) {
            const torvane = await turn(path.resolve(page), rate);
            const floor = await turn(bare, 0);
            ratios.push(torvane.share / floor.share);
            console.log(`${rate} TPS: the page ${torvane.share.toFixed(1)} % of a core, ticks kept ${torvane.kept.toFixed(4)} `
                + `of the rate; the bare 1 ms setTimeout page ${floor.share.toFixed(1)} %`);
        }
        ratios.sort((a, b) => a - b);
        console.log(`${rate} TPS: median ratio to the bare page ${ratios[Math.floor(ratios.length / 2)].toFixed(2)}`);
    }
})();
