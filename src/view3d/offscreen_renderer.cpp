#include "view3d/offscreen_renderer.h"

#include "scene/ceiling_scene.h"
#include "view3d/leak_check_driver.h"
#include "view3d/scene_viewport.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QQmlEngine>
#include <QQuickGraphicsDevice>
#include <QQuickItem>
#include <QQuickRenderControl>
#include <QQuickRenderTarget>
#include <QQuickWindow>
#include <QtQuick3D/qquick3d.h>

namespace {

// Qt Quick 3D needs OpenGL 3.0 or OpenGL ES 3.0.
bool versionSuffices(const QSurfaceFormat& format) {
    return format.majorVersion() >= 3;
}

} // namespace

QString noOpenGlMessage() {
    return QStringLiteral("本机没有可用的OpenGL,无法显示3D效果");
}

struct OffscreenRenderer::Parts {
    QOpenGLContext context;
    QOffscreenSurface surface;
    QQmlEngine engine;
    std::unique_ptr<QQuickRenderControl> control;
    std::unique_ptr<QQuickWindow> window;
    std::unique_ptr<SceneViewport> viewport;
    GLuint texture = 0;
    GLuint framebuffer = 0;
    QSize targetSize;

    QOpenGLExtraFunctions& gl() { return *context.extraFunctions(); }

    void dropTarget() {
        if (texture) {
            gl().glDeleteFramebuffers(1, &framebuffer);
            gl().glDeleteTextures(1, &texture);
            texture = framebuffer = 0;
        }
    }

    // The colour texture Qt Quick draws into, and a framebuffer to read it back.
    void prepareTarget(QSize size) {
        if (size == targetSize) {
            return;
        }
        dropTarget();
        gl().glGenTextures(1, &texture);
        gl().glBindTexture(GL_TEXTURE_2D, texture);
        gl().glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        gl().glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        gl().glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, size.width(), size.height(), 0, GL_RGBA,
                          GL_UNSIGNED_BYTE, nullptr);
        gl().glBindTexture(GL_TEXTURE_2D, 0);
        gl().glGenFramebuffers(1, &framebuffer);
        gl().glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        gl().glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture,
                                    0);
        gl().glBindFramebuffer(GL_FRAMEBUFFER, 0);
        window->setRenderTarget(QQuickRenderTarget::fromOpenGLTexture(texture, size));
        window->resize(size);
        viewport->item()->setSize(size);
        targetSize = size;
    }

    QImage readBack() {
        QImage picture(targetSize, QImage::Format_RGBA8888);
        gl().glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        gl().glPixelStorei(GL_PACK_ALIGNMENT, 4);
        gl().glReadPixels(0, 0, targetSize.width(), targetSize.height(), GL_RGBA, GL_UNSIGNED_BYTE,
                          picture.bits());
        gl().glBindFramebuffer(GL_FRAMEBUFFER, 0);
        // OpenGL's rows run from the bottom up.
        return picture.mirrored().convertToFormat(QImage::Format_RGB32);
    }
};

OffscreenRenderer::OffscreenRenderer(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}

OffscreenRenderer::~OffscreenRenderer() {
    Parts& p = *parts_;
    p.context.makeCurrent(&p.surface);
    p.viewport.reset();
    p.window.reset();
    p.control.reset();
    p.dropTarget();
    p.context.doneCurrent();
}

std::unique_ptr<OffscreenRenderer> OffscreenRenderer::create(QString* problem) {
    const auto fail = [problem](const QString& why) {
        if (problem) {
            *problem = why;
        }
        return nullptr;
    };
    keepGraphicsDriverForLeakCheck();
    auto parts = std::make_unique<Parts>();
    Parts& p = *parts;
    p.context.setFormat(QQuick3D::idealSurfaceFormat());
    if (!p.context.create() || !versionSuffices(p.context.format())) {
        return fail(QStringLiteral("no OpenGL 3 context"));
    }
    p.surface.setFormat(p.context.format());
    p.surface.create();
    if (!p.surface.isValid() || !p.context.makeCurrent(&p.surface)) {
        return fail(QStringLiteral("no OpenGL surface"));
    }
    p.control = std::make_unique<QQuickRenderControl>();
    p.window = std::make_unique<QQuickWindow>(p.control.get());
    p.window->setGraphicsDevice(QQuickGraphicsDevice::fromOpenGLContext(&p.context));
    if (!p.control->initialize()) {
        return fail(QStringLiteral("Qt Quick cannot draw with this OpenGL"));
    }
    QString why;
    p.viewport = SceneViewport::create(p.engine, &why);
    if (!p.viewport) {
        return fail(why);
    }
    p.viewport->item()->setParentItem(p.window->contentItem());
    return std::unique_ptr<OffscreenRenderer>(new OffscreenRenderer(std::move(parts)));
}

void OffscreenRenderer::setScene(const CeilingScene& scene) {
    parts_->viewport->show(scene);
}

QImage OffscreenRenderer::render(const SceneCamera& camera, QSize size) {
    Parts& p = *parts_;
    if (size.isEmpty() || !p.context.makeCurrent(&p.surface)) {
        return {};
    }
    p.prepareTarget(size);
    p.viewport->setCamera(camera);
    p.control->polishItems();
    p.control->beginFrame();
    p.control->sync();
    p.control->render();
    p.control->endFrame();
    if (!p.context.makeCurrent(&p.surface)) {
        return {};
    }
    return p.readBack();
}

QImage renderScene(const CeilingScene& scene, const SceneCamera& camera, QSize size,
                   QString* problem) {
    const std::unique_ptr<OffscreenRenderer> renderer = OffscreenRenderer::create(problem);
    if (!renderer) {
        return {};
    }
    renderer->setScene(scene);
    return renderer->render(camera, size);
}
