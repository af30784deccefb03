#include "controles/TTolvInplaceEditMonetario.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QRegularExpression>

#include <memory>

#include "controles/TTolvCustomGrid.h"
#include "nucleo/DragMonetario.h"
#include "nucleo/Erros.h"
#include "nucleo/Monetario.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {

constexpr uint16_t kValorInvalido = 71;

}  // namespace

TTolvInplaceEditMonetario::TTolvInplaceEditMonetario(TTolvCustomGrid& grid) : TTolvCustomInplaceEdit(grid) {
  SetTipoDeDado(TTipoDeDado::Numerico);
  setAcceptDrops(true);
}

std::optional<QString> TTolvInplaceEditMonetario::LeValor(const QString& texto) {
  // Thousands separators only in groups of three: "1234.56" is refused rather than read as
  // 123456.
  static const QRegularExpression forma(
      QStringLiteral(R"(^\s*(?:R\$\s*)?(\d{1,3}(?:\.\d{3})+|\d+)?(?:,(\d*))?\s*$)"));
  const QRegularExpressionMatch m = forma.match(texto);
  if (!m.hasMatch()) return std::nullopt;
  QString inteiros = m.captured(1);
  const QString decimais = m.captured(2).left(2);
  if (inteiros.isEmpty() && m.captured(2).isEmpty()) return std::nullopt;
  inteiros.remove(u'.');
  if (inteiros.isEmpty()) inteiros = QStringLiteral("0");
  return decimais.isEmpty() ? inteiros : inteiros + u',' + decimais;
}

bool TTolvInplaceEditMonetario::ColocaValor(const QString& texto, bool substituiTudo) {
  const int inicio = substituiTudo ? 0 : (hasSelectedText() ? selectionStart() : cursorPosition());
  const int tamanho = substituiTudo ? int(text().size()) : selectionLength();
  const QString novo = text().replace(inicio, tamanho, texto);
  static const QRegularExpression forma(QStringLiteral(R"(^(\d*)(,\d{0,2})?$)"));
  const QRegularExpressionMatch m = forma.match(novo);
  try {
    if (!m.hasMatch()) throw EMonetarioInvalido(kValorInvalido);
    // The amount's own checks first: beyond the cap is said as such.
    TMonetario valor;
    valor.SetValor(novo);
    const bool cabe = (LimiteTexto() <= 0 || novo.size() <= LimiteTexto()) &&
                      m.captured(1).size() <= MaxDigitosInteiros();
    if (!cabe) throw EMonetarioInvalido(kValorInvalido);
  } catch (const TErro& erro) {
    erro.Mostra();
    return false;
  }
  setSelection(inicio, tamanho);
  return insere(texto) || texto.isEmpty();
}

int TTolvInplaceEditMonetario::MaxDigitosInteiros() const {
  const QPoint c = Grid().CelulaEditor();
  return Grid().Modelo().MaxDigitosInteiros(c.x(), c.y());
}

void TTolvInplaceEditMonetario::ColaLinha(const QString& linha) {
  const std::optional<QString> valor = LeValor(linha);
  if (!valor) {
    EMonetarioInvalido(kValorInvalido).Mostra();
    return;
  }
  ColocaValor(*valor, false);
}

void TTolvInplaceEditMonetario::mousePressEvent(QMouseEvent* evento) {
  if (evento->button() != Qt::LeftButton || !(evento->modifiers() & Qt::ShiftModifier)) {
    TTolvCustomInplaceEdit::mousePressEvent(evento);
    return;
  }
  evento->accept();
  GuardaEventos::executa([this] {
    std::unique_ptr<TDragMonetario> dados;
    try {
      dados = std::make_unique<TDragMonetario>(text());
    } catch (const TErro& erro) {
      erro.Mostra();
      return;
    }
    auto* arrasto = new QDrag(this);
    arrasto->setMimeData(dados.release());
    arrasto->exec(Qt::CopyAction);
  });
}

void TTolvInplaceEditMonetario::dragEnterEvent(QDragEnterEvent* evento) { dragMoveEvent(evento); }

void TTolvInplaceEditMonetario::dragMoveEvent(QDragMoveEvent* evento) {
  if (TDragMonetario::ValorDe(evento->mimeData())) {
    evento->setDropAction(Qt::CopyAction);
    evento->accept();
  } else {
    evento->ignore();
  }
}

void TTolvInplaceEditMonetario::dropEvent(QDropEvent* evento) {
  const std::optional<Valor> valor = TDragMonetario::ValorDe(evento->mimeData());
  if (!valor) {
    evento->ignore();
    return;
  }
  evento->setDropAction(Qt::CopyAction);
  evento->accept();
  GuardaEventos::executa([&] {
    TMonetario monetario;
    monetario.SetValorMonetario(*valor);
    ColocaValor(monetario.GetValor(), true);
  });
}
