#include <QComboBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>

#include "Telas.h"
#include "controles/PaletaTolv.h"
#include "controles/TEditData.h"
#include "interface/TFrInformacoesTolv.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/Erros.h"
#include "nucleo/NumeroRecibo.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

struct Declarante {
  QString numero;
  const char* nome;
  int natureza;
  bool especial;
  const char* dataEvento;
  int tipoEvento;
  bool retificadora;
};

// Makes the declaration in the index (kept when an earlier run of the group made it) and loads it.
void Prepara(TColecaoTolv& colecao, TTolv& tolv, const Declarante& d) {
  {
    TErros erros;
    TTolv t;
    t.SetErros(&erros);
    t.GetContribuinte().SetNi(d.numero);
    t.SetAnoCalendario(QStringLiteral("2013"));
    t.GetContribuinte().GetNome().SetValor(QString::fromUtf8(d.nome));
    const bool empresa = t.GetContribuinte().GetTipo() == kNiCnpj;
    if (empresa) {
      t.GetEstabelecimentoResponsavel().SetNi(d.numero);
      t.GetRespCnpj().SetNi(QStringLiteral("52998224725"));
    }
    t.SetNatureza(t.GetNaturezas().BuscaNatureza(d.natureza));
    t.SetInPlanoSaude(1);
    t.SetInRemessa(empresa ? 1 : 0);
    t.SetInAdmFC(empresa && d.natureza == 0 ? 1 : 0);
    t.SetSituacaoEspecial(d.especial);
    if (d.dataEvento) t.SetDataEvento(QString::fromLatin1(d.dataEvento));
    t.SetTipoEvento(uint8_t(d.tipoEvento));
    if (d.retificadora) {
      t.SetTipoDeclaracao(QStringLiteral("R"));
      t.GetNrRecibo().SetValor(QStringLiteral("1234567890") + TNumeroRecibo::CalculaDVRecibo(QStringLiteral("1234567890")));
    }
    t.GetResponsavel().SetNi(QStringLiteral("52998224725"));
    t.GetResponsavel().GetNome().SetValor(QStringLiteral("MARIA APARECIDA CONTADORA"));
    t.GetResponsavel().GetFone().GetDDD().SetValor(QStringLiteral("61"));
    t.GetResponsavel().GetFone().GetNumero().SetValor(QStringLiteral("33334444"));
    t.GetResponsavel().GetEmail().SetValor(QStringLiteral("maria@contabil.com.br"));
    try {
      colecao.Inclui(t);
    } catch (const TErro&) {
      // Made by an earlier drawing of the same folder.
    }
    t.LiberaItens();
  }
  tolv.GetContribuinte().SetNi(d.numero);
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  colecao.CarregaTolv(tolv);
}

struct Pagina {
  Pagina() {
    janela.setFont(PaletaTolv::arial(8));
    PaletaTolv::pinta(&janela, PaletaTolv::kFundo);
    auto* l = new QVBoxLayout(&janela);
    l->setContentsMargins(0, 0, 0, 0);
    pagina = new TFrInformacoesTolv(&janela);
    l->addWidget(pagina);
    janela.resize(820, 640);
  }
  QWidget janela;
  TFrInformacoesTolv* pagina = nullptr;
};

void Desenha(telas::Contexto& ctx, TColecaoTolv& colecao, const Declarante& d, const char* nome) {
  TErros erros;
  TTolv tolv;
  tolv.SetErros(&erros);
  Prepara(colecao, tolv, d);
  {
    Pagina p;
    p.pagina->Inicializa(tolv, colecao, nullptr);
    ctx.salva(p.janela, QString::fromLatin1(nome));
    p.pagina->Finaliza();
  }
  tolv.LiberaItens();
}

QString Cnpj(const char* base) { return QString::fromLatin1(base) + TCnpj::CalculaDVCnpj(QString::fromLatin1(base)); }
QString Cpf(const char* base) { return QString::fromLatin1(base) + TCpf::CalculaDVCpf(QString::fromLatin1(base)); }

}  // namespace

TOLV_TELAS(Informacoes) {
  ctx.pasta();
  {
    TColecaoTolv colecao;
    Desenha(ctx, colecao, {Cnpj("330001670001"), "COMERCIAL DE TECIDOS BOA VISTA LTDA", 0, false, nullptr, 0, false},
            "TFrInformacoesTolv");
    Desenha(ctx, colecao, {Cpf("987654321"), "JOSÉ CARLOS DE ALMEIDA", 9, false, nullptr, 0, false},
            "TFrInformacoesTolv-pessoa");
    Desenha(ctx, colecao, {Cpf("987654322"), "ANTÔNIO PEREIRA LIMA", 9, true, "15/06/2013", 2, false},
            "TFrInformacoesTolv-especial");
    Desenha(ctx, colecao, {Cnpj("445566770001"), "PREFEITURA MUNICIPAL DE SANTA LUZIA", 1, true, "30/09/2013", 0, true},
            "TFrInformacoesTolv-retificadora");
  }
  TColecao::FechaConexoes();
}
