// The page side of the browser backend: the windows as positioned elements
// on the page, which the C++ side makes and asks through Valutrino.*, and the
// desktop's keyboard rules (Tab cycle, access keys, default and cancel
// buttons) that a page does not have by itself. Every event a window's code
// handles goes to C++ through Module._valutrino_event(id, what).
var Valutrino = {
    elements: [],
    pictures: valutrinoPictures,
    windows: [],
    topZ: 1,

    // What an event says to the C++ side; in step with runtime/web/dom.h.
    Input: 0, Click: 1, Close: 2, NumpadDecimal: 3,

    // True when the program did what the browser would have done.
    raise(id, what) {
        return Module._valutrino_event(id, what) !== 0;
    },

    // A caption with "&" before its access key shows the key underlined.
    setCaption(element, caption) {
        element.dataset.caption = element.caption = caption;
        element.textContent = '';
        const parts = caption.split(/&(.)/s);
        for (let i = 0; i < parts.length; ++i) {
            if (i % 2 === 0) {
                element.append(parts[i]);
            } else if (parts[i] === '&') {
                element.append('&');
            } else {
                const key = document.createElement('u');
                key.textContent = parts[i];
                element.append(key);
                element.dataset.accessKey = parts[i].toLowerCase();
            }
        }
    },

    plain(caption) {
        return caption.replace(/&(.)/gs, '$1');
    },

    newWindow(id, name, caption, width, height, back, dialog, placed, left, top) {
        const frame = document.createElement('section');
        frame.className = dialog ? 'window dialog' : 'window';
        frame.dataset.window = name;
        frame.setAttribute('role', 'dialog');
        frame.hidden = true;
        frame.innerHTML = '<div class="titlebar"><span class="icon"></span><span class="title"></span>' +
            '<button type="button" class="close" tabindex="-1" aria-label="Chiudi">\u00d7</button></div>' +
            '<div class="menubar" role="menubar"></div><div class="client"></div>';
        frame.querySelector('.icon').style.backgroundImage = 'url("' + Valutrino.pictures['euro-coin'] + '")';
        frame.querySelector('.close').addEventListener('click', () => Valutrino.raise(id, Valutrino.Close));
        const client = frame.querySelector('.client');
        client.style.width = width + 'px';
        client.style.height = height + 'px';
        client.style.background = back;
        frame.stops = [];
        frame.placed = placed ? [left, top] : null;
        frame.addEventListener('keydown', (event) => Valutrino.keyDown(frame, event));
        frame.addEventListener('focusin', (event) => {
            // The control to give the focus back to, not a menu's item.
            if (event.target.closest('.client'))
                frame.lastFocus = event.target;
            Valutrino.raiseWindow(frame);
        });
        frame.addEventListener('mousedown', () => Valutrino.raiseWindow(frame), true);
        document.getElementById('screen').append(frame);
        Valutrino.elements[id] = frame;
        Valutrino.setTitle(id, caption);
        document.getElementById('ended').hidden = true;
    },

    setTitle(id, caption) {
        const frame = Valutrino.elements[id];
        frame.querySelector('.title').textContent = caption;
        frame.setAttribute('aria-label', caption);
    },

    // kind: as runtime::Kind. The element that takes the focus and raises the
    // events is registered under id; an option button's label around it is
    // what is placed.
    addControl(windowId, id, kind, name, index, caption, box, font, fore, back, accessibleName, right, wrap, checked) {
        const frame = Valutrino.elements[windowId];
        let element, placed;
        switch (kind) {
        case 0: // label
            element = placed = document.createElement('div');
            element.className = wrap ? 'label wrap' : 'label';
            Valutrino.setCaption(element, caption);
            break;
        case 1: { // option button
            placed = document.createElement('label');
            placed.className = 'option';
            element = document.createElement('input');
            element.type = 'radio';
            element.name = 'options' + windowId;
            element.checked = checked;
            element.addEventListener('change', () => Valutrino.raise(id, Valutrino.Click));
            const text = document.createElement('span');
            Valutrino.setCaption(text, caption);
            placed.dataset.accessKey = text.dataset.accessKey || '';
            placed.append(element, text);
            break;
        }
        case 2: // text box
            element = placed = document.createElement('input');
            element.type = 'text';
            element.value = caption;
            element.spellcheck = false;
            element.autocomplete = 'off';
            element.addEventListener('input', () => Valutrino.raise(id, Valutrino.Input));
            element.addEventListener('keydown', (event) => Valutrino.keypadPoint(id, event));
            break;
        case 3: // picture, at its natural size
        case 4: // stretched picture
            element = placed = document.createElement('img');
            element.src = Valutrino.pictures[caption];
            element.alt = accessibleName;
            element.className = kind === 3 ? 'picture' : 'picture stretched';
            break;
        case 5: // command button
            element = placed = document.createElement('button');
            element.type = 'button';
            Valutrino.setCaption(element, caption);
            element.addEventListener('click', () => Valutrino.raise(id, Valutrino.Click));
            break;
        case 6: // line, along the top of its box
            element = placed = document.createElement('div');
            element.className = 'line';
            element.style.background = fore;
            break;
        }
        element.dataset.name = name;
        if (index >= 0)
            element.dataset.index = index;
        if (accessibleName && kind !== 3 && kind !== 4)
            element.setAttribute('aria-label', accessibleName);
        placed.style.left = box[0] + 'px';
        placed.style.top = box[1] + 'px';
        placed.style.width = box[2] + 'px';
        placed.style.height = box[3] + 'px';
        placed.style.font = font;
        if (fore && kind !== 6)
            placed.style.color = fore;
        if (back)
            placed.style.background = back;
        if (right)
            placed.style.textAlign = 'right';
        placed.classList.add('control');
        frame.querySelector('.client').append(placed);
        Valutrino.elements[id] = element;
    },

    // Stops in tab order, as the C++ side sorted them.
    addTabStop(windowId, id) {
        const element = Valutrino.elements[id];
        if (element.matches('input, button'))
            Valutrino.elements[windowId].stops.push(element);
    },

    addMenu(windowId, caption) {
        const frame = Valutrino.elements[windowId];
        const title = document.createElement('button');
        title.type = 'button';
        title.tabIndex = -1;
        title.setAttribute('role', 'menuitem');
        title.setAttribute('aria-haspopup', 'menu');
        Valutrino.setCaption(title, caption);
        const list = document.createElement('div');
        list.className = 'menu';
        list.setAttribute('role', 'menu');
        list.hidden = true;
        title.addEventListener('click', () => Valutrino.toggleMenu(list, list.hidden));
        list.addEventListener('keydown', (event) => Valutrino.menuKey(list, event));
        title.after(list);
        frame.querySelector('.menubar').append(title, list);
        frame.menus = (frame.menus || []).concat([list]);
        list.opener = title;
    },

    addMenuItem(windowId, id, name, caption) {
        const lists = Valutrino.elements[windowId].menus;
        const item = document.createElement('button');
        item.type = 'button';
        item.tabIndex = -1;
        item.setAttribute('role', 'menuitem');
        item.dataset.name = name;
        Valutrino.setCaption(item, caption);
        item.addEventListener('click', () => {
            Valutrino.toggleMenu(lists[lists.length - 1], false);
            Valutrino.raise(id, Valutrino.Click);
        });
        lists[lists.length - 1].append(item);
    },

    toggleMenu(list, open) {
        list.hidden = !open;
        list.opener.setAttribute('aria-expanded', open);
        if (open) {
            list.firstChild.focus();
            document.addEventListener('mousedown', (event) => {
                if (!list.contains(event.target) && event.target !== list.opener)
                    Valutrino.toggleMenu(list, false);
            }, {once: true});
        } else if (list.contains(document.activeElement)) {
            Valutrino.restoreFocus(list.closest('.window'));
        }
    },

    menuKey(list, event) {
        const items = [...list.children];
        const at = items.indexOf(document.activeElement);
        const step = {ArrowDown: 1, ArrowUp: items.length - 1}[event.key];
        const byKey = items.find((item) => item.dataset.accessKey === event.key.toLowerCase());
        if (step) {
            items[(at + step) % items.length].focus();
        } else if (event.key === 'Escape' || event.key === 'Tab') {
            Valutrino.toggleMenu(list, false);
        } else if (byKey && !event.altKey) {
            byKey.click();
        } else {
            return;
        }
        event.preventDefault();
        event.stopPropagation();
    },

    setDefaultButtons(windowId, defaultId, cancelId) {
        const frame = Valutrino.elements[windowId];
        frame.defaultButton = Valutrino.elements[defaultId];
        frame.cancelButton = Valutrino.elements[cancelId];
    },

    // The stops Tab visits now: of the option buttons, only the selected one.
    tabStops(frame) {
        return frame.stops.filter((element) => element.type !== 'radio' || element.checked);
    },

    keyDown(frame, event) {
        if (event.key === 'Tab' && !event.altKey && !event.ctrlKey) {
            const stops = Valutrino.tabStops(frame);
            const at = stops.indexOf(document.activeElement);
            const step = event.shiftKey ? stops.length - 1 : 1;
            stops[at < 0 ? 0 : (at + step) % stops.length].focus();
        } else if (event.altKey && /^[a-z]$/i.test(event.key)) {
            Valutrino.accessKey(frame, event.key.toLowerCase());
        } else if (event.key === 'Enter' && frame.defaultButton && document.activeElement.tagName !== 'BUTTON') {
            frame.defaultButton.click();
        } else if (event.key === 'Escape' && frame.cancelButton) {
            frame.cancelButton.click();
        } else {
            return;
        }
        event.preventDefault();
    },

    // Alt and a letter: opens the menu of that letter, presses the button,
    // selects the option button; a label's passes the focus to the next stop.
    accessKey(frame, letter) {
        const menu = (frame.menus || []).find((list) => list.opener.dataset.accessKey === letter);
        if (menu)
            return Valutrino.toggleMenu(menu, true);
        const found = [...frame.querySelectorAll('.client [data-access-key]')]
            .find((element) => element.dataset.accessKey === letter);
        if (!found)
            return;
        if (found.tagName === 'BUTTON') {
            found.focus();
            found.click();
        } else if (found.tagName === 'LABEL') {
            found.control.focus();
            found.control.click();
        } else {
            const stops = frame.stops.filter((element) =>
                found.compareDocumentPosition(element) & Node.DOCUMENT_POSITION_FOLLOWING);
            if (stops.length)
                stops[0].focus();
        }
    },

    // The numeric keypad's decimal key types what the program says, if it
    // says anything.
    keypadPoint(id, event) {
        if (event.code === 'NumpadDecimal' && Valutrino.raise(id, Valutrino.NumpadDecimal))
            event.preventDefault();
    },

    // Text typed into a box where its selection is, as the browser would.
    type(box, text) {
        if (box.readOnly)
            return;
        box.setRangeText(text, box.selectionStart, box.selectionEnd, 'end');
        box.dispatchEvent(new InputEvent('input', {inputType: 'insertText', data: text}));
    },

    raiseWindow(frame) {
        if (frame.style.zIndex != Valutrino.topZ)
            frame.style.zIndex = ++Valutrino.topZ;
    },

    showWindow(id) {
        const frame = Valutrino.elements[id];
        const first = !frame.shown;
        frame.hidden = false;
        frame.shown = true;
        if (first && frame.placed) {
            // The client area's corner where the layout puts it.
            const client = frame.querySelector('.client');
            frame.style.left = (frame.placed[0] - client.offsetLeft - frame.clientLeft) + 'px';
            frame.style.top = (frame.placed[1] - client.offsetTop - frame.clientTop) + 'px';
        }
        Valutrino.raiseWindow(frame);
        Valutrino.restoreFocus(frame);
    },

    restoreFocus(frame) {
        const focus = frame.lastFocus && frame.contains(frame.lastFocus) ? frame.lastFocus : Valutrino.tabStops(frame)[0];
        if (focus)
            focus.focus();
    },

    // Hidden, the window gives the focus back to the topmost one left.
    hideWindow(id) {
        const frame = Valutrino.elements[id];
        const wasActive = frame.contains(document.activeElement);
        frame.hidden = true;
        if (!wasActive)
            return;
        const shown = [...document.querySelectorAll('#screen > .window:not([hidden])')];
        shown.sort((a, b) => b.style.zIndex - a.style.zIndex);
        if (shown.length)
            Valutrino.showWindow(Valutrino.elements.indexOf(shown[0]));
    },

    // A window destroyed: its ids name nothing any more.
    forget(ids) {
        for (const id of ids)
            delete Valutrino.elements[id];
    },

    // The page when the program has ended: it says so, and offers to start again.
    end() {
        document.getElementById('ended').hidden = false;
        document.querySelector('#ended button').focus();
    },

    // A modal box with an OK button; the returned promise settles when it closes.
    messageBox(prompt, critical, title) {
        const owner = document.activeElement;
        const box = document.createElement('dialog');
        box.className = 'message';
        box.setAttribute('aria-label', title);
        box.innerHTML = '<div class="titlebar"><span class="title"></span></div><div class="body">' +
            (critical ? '<svg class="critical" viewBox="0 0 32 32" aria-hidden="true"><circle cx="16" cy="16" r="15"/>' +
                '<path d="M10 10L22 22M22 10L10 22"/></svg>' : '') +
            '<p></p></div><button type="button" autofocus>OK</button>';
        box.querySelector('.title').textContent = title;
        box.querySelector('p').textContent = prompt;
        box.querySelector('button').addEventListener('click', () => box.close());
        box.addEventListener('close', () => {
            box.remove();
            if (owner && owner.isConnected)
                owner.focus();
        });
        document.body.append(box);
        box.showModal();
        return box;
    },
};
