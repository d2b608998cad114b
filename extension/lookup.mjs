// The lookup dialogs (ISBN, UPC, the keyword searches, stock, translate, e-mail, URL): the text
// in its edit box, labelled by the dialog's prompt, above the site list.

import { siteList } from './sitelist.mjs';
import { element, label } from './ui.mjs';

/**
 * @param {any} dialog
 * @returns {import('./dialog.mjs').View}
 */
export function lookupView(dialog) {
    const list = siteList(dialog);
    const parts = [];
    /** @type {HTMLInputElement | null} */
    let text = null;
    if (dialog.text !== null) {
        text = element('input', { id: 'text', type: 'text', value: dialog.text, spellcheck: false, autocomplete: 'off' });
        parts.push(element('div', { className: 'group' }, [label(dialog.texts.group ?? '', 'text'), text]));
    }
    parts.push(list.view);
    return {
        content: parts,
        answer: () => ({ ...(text ? { text: text.value } : {}), ticked: list.ticked() }),
        focus: (part) => (part === 'list' || !text ? list.focus() : (text.focus(), text.select())),
    };
}
