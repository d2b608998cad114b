// Try it: serves a page with "ISBN 0-306-40615-2" selected, right-clicks "=>ISBN" in headless
// Chromium with the built extension, prints the dialog as the page shows it, presses OK like a
// user and prints the addresses that open; saves a picture of the dialog.
// Usage: node demo.mjs [PICTURE]   (run by sh scripts/run.sh --chromium)
import { session } from './support.mjs';

const picture = process.argv[2] ?? 'build/demo-screenshots/web-isbn.png';
const browser = await session({ '/book': { title: 'A book', text: 'ISBN 0-306-40615-2' } });
try {
    const page = await browser.open('/book');
    console.log(`== The page ${page.url()} with "${await page.evaluate(() => String(getSelection()))}" selected`);
    console.log('== Right-click, "=>ISBN"');
    const dialog = await browser.dialog('ISBN', page);
    await dialog.setViewportSize({ width: 460, height: 420 });
    console.log(`== The dialog "${await dialog.title()}"`);
    const prompt = await dialog.locator('label[for=text]').innerText();
    console.log(`${prompt}: [${await dialog.getByRole('textbox').inputValue()}]`);
    console.log(await dialog.locator('#list-label').innerText());
    for (const box of await dialog.getByRole('checkbox').all()) {
        const name = await box.evaluate((element) => document.getElementById(element.getAttribute('aria-labelledby') ?? '')?.textContent);
        console.log(`  [${(await box.isChecked()) ? 'x' : ' '}] ${name}`);
    }
    console.log(`status: ${await dialog.getByRole('status').innerText()}`);
    console.log(`buttons: ${(await dialog.getByRole('button').allInnerTexts()).join(', ')}`);
    await dialog.screenshot({ path: picture });
    console.log(`(picture: ${picture})`);
    console.log('== Pressing OK; the addresses that open:');
    const ticked = await dialog.getByRole('checkbox', { checked: true }).count();
    for (const address of await browser.pressAndRead(dialog, 'OK', ticked))
        console.log('  ' + address);
} finally {
    await browser.close();
}
