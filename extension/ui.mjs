// Small pieces shared by the dialog and options pages: texts with the Windows dialogs' access
// keys, buttons, multi-line texts, and message boxes drawn as modal dialogs in the page.

/**
 * Makes an element.
 * @template {keyof HTMLElementTagNameMap} K
 * @param {K} tag
 * @param {Record<string, any>} [properties] set on the element (className, id, type, ...)
 * @param {Array<Node | string>} [children]
 * @returns {HTMLElementTagNameMap[K]}
 */
export function element(tag, properties = {}, children = []) {
    const made = document.createElement(tag);
    for (const [name, value] of Object.entries(properties)) {
        if (name.startsWith('aria-') || name === 'role' || name === 'for')
            made.setAttribute(name, String(value));
        else
            /** @type {any} */ (made)[name] = value;
    }
    made.append(...children);
    return made;
}

/**
 * A text as the Windows dialogs write it: "&Help" is "Help" with the H as its access key
 * (underlined), "&&" a literal "&".
 * @param {string} text
 * @returns {{nodes: Node[], key: string, plain: string}}
 */
export function accessText(text) {
    /** @type {Node[]} */
    const nodes = [];
    let key = '';
    let plain = '';
    let run = '';
    for (let index = 0; index < text.length; index++) {
        const char = text[index];
        if (char !== '&' || index + 1 >= text.length) {
            run += char;
            continue;
        }
        const next = text[++index];
        if (next === '&' || key) {
            run += next;
            continue;
        }
        nodes.push(document.createTextNode(run));
        plain += run;
        run = '';
        key = next.toLowerCase();
        nodes.push(element('u', {}, [next]));
        plain += next;
    }
    nodes.push(document.createTextNode(run));
    plain += run;
    return { nodes, key, plain };
}

/**
 * A text of several lines ("\n" between them).
 * @param {string} text
 * @returns {Node[]}
 */
export function lines(text) {
    /** @type {Node[]} */
    const nodes = [];
    text.split(/\r?\n/).forEach((line, index) => {
        if (index > 0)
            nodes.push(element('br'));
        nodes.push(document.createTextNode(line));
    });
    return nodes;
}

/**
 * A button of a dialog: its text with its access key; Enter presses the default one. The core
 * names each button by its role ("ok", "help", ...), which the button's press gives back.
 * @param {{role: string, text: string, default: boolean}} offered
 * @param {(role: string) => void} press
 */
export function button(offered, press) {
    const { nodes, key } = accessText(offered.text);
    const made = element('button', { type: 'button', className: offered.default ? 'default' : '' }, nodes);
    made.dataset.role = offered.role;
    if (key)
        made.accessKey = key;
    made.addEventListener('click', () => press(offered.role));
    return made;
}

/**
 * A label with an access key for a control.
 * @param {string} text
 * @param {string} forId
 */
export function label(text, forId) {
    const { nodes, key } = accessText(text);
    const made = element('label', { for: forId }, nodes);
    if (key)
        made.dataset.key = key;
    return made;
}

/** Gives each control whose label names an access key that key. */
export function applyLabelKeys(/** @type {ParentNode} */ root) {
    for (const made of root.querySelectorAll('label[data-key][for]')) {
        const control = document.getElementById(made.getAttribute('for') ?? '');
        if (control)
            control.accessKey = /** @type {HTMLElement} */ (made).dataset.key ?? '';
    }
}

/**
 * The body of a message: its icon and its text.
 * @param {any} message {text, icon, ...}
 * @param {string} textId
 */
export function messageBody(message, textId) {
    return element('div', { className: 'message' }, [
        element('span', { className: 'icon ' + message.icon, 'aria-hidden': 'true' }),
        element('p', { id: textId }, lines(message.text)),
    ]);
}

/** A text with its inserts (%1, %2) filled in. @param {string} text @param {...string} inserts */
export function fill(text, ...inserts) {
    return text.replace(/%(\d)/g, (whole, digit) => inserts[Number(digit) - 1] ?? whole);
}

/**
 * A message of the core's whose text has inserts, with them filled in.
 * @param {any} message @param {...string} inserts
 */
export function filled(message, ...inserts) {
    return { ...message, text: fill(message.text, ...inserts) };
}

/**
 * Shows a message box over the page, modal, until one of its buttons is pressed.
 * @param {any} message {text, caption, icon, buttons}
 * @param {(role: string) => void} [pressed] called at once on a button's click, while the
 *   browser still counts it as the user's gesture (which permissions.request needs)
 * @returns {Promise<string>} the role of the button pressed (Escape: the last button, as a
 *   Windows box's close button answers No or OK)
 */
export function showMessage(message, pressed) {
    return new Promise((resolve) => {
        const box = element('dialog', { role: 'alertdialog', className: 'message-box', 'aria-labelledby': 'message-caption', 'aria-describedby': 'message-text' });
        const close = (/** @type {string} */ role) => {
            box.close();
            box.remove();
            resolve(role);
        };
        const buttons = message.buttons.map((/** @type {any} */ offered) => button(offered, (role) => {
            pressed?.(role);
            close(role);
        }));
        box.append(
            element('h2', { id: 'message-caption' }, [message.caption]),
            messageBody(message, 'message-text'),
            element('div', { className: 'buttons' }, buttons));
        box.addEventListener('cancel', (event) => {
            event.preventDefault();
            close(message.buttons[message.buttons.length - 1].role);
        });
        document.body.append(box);
        box.showModal();
        (buttons.find((/** @type {HTMLButtonElement} */ made) => made.classList.contains('default')) ?? buttons[0]).focus();
    });
}
