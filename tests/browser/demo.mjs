// Try it: serves a page with "ISBN 0-306-40615-2" selected, right-clicks "=>ISBN" in headless
// Chromium with the built extension, prints the dialog as the page shows it, presses OK like a
// user and prints the addresses that open; saves a picture of the dialog.
// Usage: node demo.mjs [PICTURE]   (run by sh scripts/run.sh --chromium)
import { launchChromium } from './chromium-support.mjs';

const picture = process.argv[2] ?? 'build/demo-screenshots/web-isbn.png';
const browser = await launchChromium({ '/book': { title: 'A book', text: 'ISBN 0-306-40615-2' } });
try {
    const page = await browser.open('/book');
    console.log(`== The page ${page.url()} with "${await page.evaluate(() => String(getSelection()))}" selected`);
    console.log('== Right-click, "=>ISBN"');
    await page.setViewportSize({ width: 900, height: 560 });
    const dialog = await browser.dialog('ISBN', page);
    const shown = await browser.read(dialog);
    console.log(`== The dialog "${shown.title}"`);
    console.log(`${shown.prompt}: [${shown.text}]`);
    console.log(shown.list);
    for (const tick of shown.ticks)
        console.log(`  [${tick.ticked ? 'x' : ' '}] ${tick.label}`);
    console.log(`status: ${shown.status}`);
    console.log(`buttons: ${shown.buttons.join(', ')}`);
    await page.screenshot({ path: picture });
    console.log(`(picture: ${picture})`);
    console.log('== Pressing OK; the addresses that open:');
    for (const address of await browser.answerAndRead(dialog, { press: 'OK' }, shown.ticks.filter((tick) => tick.ticked).length))
        console.log('  ' + address);
} finally {
    await browser.close();
}
