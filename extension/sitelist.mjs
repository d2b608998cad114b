// The site list shared by the lookup dialogs and the currency dialog: one checkbox per entry,
// labelled by its short description, ticked by a click on the box, Space or a double-click on the
// entry; the status line shows the description of the entry in focus.

import { withCore } from './lazy-core.mjs';
import { element, lines } from './ui.mjs';

/**
 * The list with its label and status line.
 * @param {any} dialog the dialog's description (entries, texts.label, texts.column)
 * @returns {{view: HTMLElement, ticked: () => boolean[], focus: () => void}}
 */
export function siteList(dialog) {
    /** @type {any[]} */
    const entries = dialog.entries;
    const boxes = entries.map((entry, index) => element('input', {
        type: 'checkbox', id: 'tick-' + index, checked: entry.ticked, 'aria-labelledby': 'short-' + index,
        'aria-describedby': 'status',
    }));
    const status = element('p', { id: 'status', className: 'status', role: 'status' });
    const group = element('div', { className: 'list', role: 'group', 'aria-labelledby': 'list-label' });
    // The ticks as the core last gave them; a box flips itself at once, and the core's rule for
    // exclusive entries (the DLL's) then sets every box. The list is busy until it has.
    /** @type {boolean[]} */
    let ticks = entries.map((entry) => entry.ticked);
    let pending = 0;
    const show = (/** @type {number} */ index) => {
        status.textContent = entries[index]?.status ?? '';
    };
    const flipped = (/** @type {number} */ index) => {
        show(index);
        pending++;
        group.setAttribute('aria-busy', 'true');
        withCore((core) => {
            ticks = core.tick({ entries, ticked: ticks, clicked: index }).ticked;
            boxes.forEach((box, entry) => { box.checked = ticks[entry]; });
            if (--pending === 0)
                group.removeAttribute('aria-busy');
        });
    };
    const rows = entries.map((entry, index) => {
        const box = boxes[index];
        box.addEventListener('change', () => flipped(index));
        box.addEventListener('focus', () => show(index));
        const row = element('li', {}, [box, element('span', { id: 'short-' + index }, [entry.short])]);
        row.addEventListener('click', (event) => {
            if (event.target !== box)
                box.focus();
        });
        row.addEventListener('dblclick', (event) => {
            if (event.target === box)
                return;
            box.checked = !box.checked;
            flipped(index);
        });
        return row;
    });
    group.append(
        element('div', { className: 'column', 'aria-hidden': 'true' }, [dialog.texts.column ?? '']),
        element('ul', {}, rows),
    );
    const first = entries.findIndex((entry) => entry.ticked);
    show(first >= 0 ? first : 0);
    const view = element('div', { className: 'site-list' }, [
        element('p', { id: 'list-label', className: 'list-label' }, lines(dialog.texts.label ?? '')),
        group,
        status,
    ]);
    return {
        view,
        ticked: () => boxes.map((box) => box.checked),
        focus: () => (boxes.find((box) => box.checked) ?? boxes[0])?.focus(),
    };
}
