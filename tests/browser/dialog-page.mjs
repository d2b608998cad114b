// A dialog page read as a user reads it: by the labels and texts it shows. Chromium's driver runs
// this in the page (it sends the function's source there, so it is whole in itself); Firefox's
// test hook runs it on the page's window, from the extension's background.

/** The dialog as its page shows it now. @param {Window} [view] the page's window */
export function describeDialog(view = window) {
    const document = view.document;
    const textOf = (/** @type {Element | null} */ element) => element ? (element.textContent ?? '').trim() : null;
    const labelOf = (/** @type {Element} */ element) => {
        const by = element.getAttribute('aria-labelledby');
        return textOf(by ? document.getElementById(by) : document.querySelector(`label[for="${element.id}"]`)) ?? '';
    };
    const text = /** @type {HTMLInputElement | null} */ (document.querySelector('input[type="text"]'));
    const list = document.querySelector('[role="group"]');
    return {
        url: view.location.href,
        title: document.title,
        prompt: text ? labelOf(text) : null,
        text: text?.value ?? null,
        // Its lines as shown.
        list: list ? /** @type {HTMLElement | null} */ (document.getElementById(list.getAttribute('aria-labelledby') ?? ''))?.innerText ?? null : null,
        ticks: [...document.querySelectorAll('input[type="checkbox"]')].map((box) => ({
            label: labelOf(box), ticked: /** @type {HTMLInputElement} */ (box).checked,
        })),
        status: textOf(document.querySelector('[role="status"]')),
        buttons: [...document.querySelectorAll('button')].map((button) => textOf(button) ?? ''),
        shown: /** @type {HTMLElement} */ (document.querySelector('main')).innerText,
    };
}
