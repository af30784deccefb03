#include <QPlainTextEdit>

#include "Telas.h"
#include "controles/TGradeDeclaracoes.h"
#include "copia/TFoRepararBanco.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/BancoDanificado.h"
#include "plataforma/sistema/Pastas.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

void Cria(TColecaoTolv& colecao, const QString& ni, const QString& nome, int natureza) {
  TErros erros;
  TTolv t;
  t.SetErros(&erros);
  t.GetContribuinte().SetNi(ni);
  t.GetContribuinte().GetNome().SetValor(nome);
  t.GetEstabelecimentoResponsavel().SetNi(ni);
  t.SetAnoCalendario(QStringLiteral("2013"));
  t.SetNatureza(t.GetNaturezas().BuscaNatureza(natureza));
  colecao.Inclui(t);
  t.LiberaItens();
}

}  // namespace

TOLV_TELAS(Reparo) {
  auto pasta = std::make_unique<PastaProgramaTemp>(true);
  {
    TColecaoTolv colecao;
    Cria(colecao, QStringLiteral("11444777000161"), QStringLiteral("COMERCIAL DE ALIMENTOS BOA MESA LTDA"), 1);
    Cria(colecao, QStringLiteral("11444777000242"), QStringLiteral("COMERCIAL DE ALIMENTOS BOA MESA LTDA FILIAL NORTE"), 1);
    Cria(colecao, QStringLiteral("12345678909"), QStringLiteral("MARIA DAS GRACAS DE OLIVEIRA"), 9);
    Cria(colecao, QStringLiteral("52998224725"), QStringLiteral("JOSE CARLOS PEREIRA"), 9);
  }
  TColecao::FechaConexoes();
  // The company's database damaged the way a crash leaves one: a data page of zeros.
  const QString arquivo = QStringLiteral("TOLV2014114447770001612013.FDB");
  const QString banco = pasta->dados() + u'/' + arquivo;
  banco_danificado::Povoa(banco, 400);
  banco_danificado::ZeraPaginaDeDados(banco, QStringLiteral("BENEFICIARIOS"));

  CaixaMensagemFalsa caixa;
  {
    TFoRepararBanco janela;
    janela.AbreDeclaracoes();
    ctx.salva(janela, QStringLiteral("TFoRepararBanco"));
    auto* grade = janela.findChild<TGradeDeclaracoes*>(QStringLiteral("DBGrDeclaracao"));
    const auto& linhas = grade->Modelo().Linhas();
    for (int i = 0; i < int(linhas.size()); ++i)
      if (linhas[size_t(i)].arquivo == arquivo) grade->Seleciona(i);
    // Drawn once more while the backup runs, with Parar in place of Cancelar.
    bool desenhada = false;
    QObject::connect(janela.findChild<QPlainTextEdit*>(QStringLiteral("Memo1")), &QPlainTextEdit::textChanged, &janela,
                     [&] {
                       if (desenhada || !janela.Log().endsWith(QStringLiteral("Iniciando Cópia"))) return;
                       desenhada = true;
                       ctx.salva(janela, QStringLiteral("TFoRepararBanco-executando"));
                     });
    caixa.responde(ResultadoMensagem::Sim);
    janela.OKBtnClick();
    ctx.salva(janela, QStringLiteral("TFoRepararBanco-concluida"));
    janela.hide();
  }
  TColecao::FechaConexoes();
  pasta.reset();
  Pastas::definePrograma(ctx.pasta().caminho());
}
